#pragma once
// A compile run of the sample document as the tests of the Windows face make
// it, whoever starts the compile command (the module's handler called
// directly, or a click on Word's toolbar button): a temporary folder of its
// own, the options dialog answered as the end-to-end runs answer it (the
// test compiler in place of hhc.exe, which does not run under Wine), the
// compiler window's lines, message boxes and error dialogs collected, and the
// work files kept for comparing.
#include <string>
#include <vector>

#include "TestSupport.h"
#include "services/word/Word.h"
#include "faces/WorkFiles.h"
#include "ui/headless/Answerers.h"

namespace lorivex::test {

struct Compiled {
    WorkFiles files;                // as kept, before normalising
    std::string workFolder;         // where the run worked
    std::string outputFile;
    std::vector<std::string> lines; // the compiler window's lines, message boxes, error dialogs
    std::string error;              // what the compile command raised
};

// The sample document built beside the test programs.
std::string SampleDocumentPath();

// From construction to Finish, every compile run goes into the folders of
// the face (a name) under the scratch folder.
class SampleCompile {
public:
    SampleCompile(const TempFolder& scratch, const std::string& face);
    ~SampleCompile();
    SampleCompile(const SampleCompile&) = delete;
    SampleCompile& operator=(const SampleCompile&) = delete;

    void Failed(const std::string& error) { compiled_.error = error; }
    // The run's files and lines; the scope's settings are undone.
    Compiled Finish();

private:
    void Undo();

    Compiled compiled_;
    std::string kept_;
    ScopedEnv tempFolder_;
    ui::ScopedAnswer options_, messages_, errors_;
    bool finished_ = false;
};

// The compile command of a module of its own (the handler called directly)
// on the sample document, with Word's part played by the given application.
Compiled CompileSample(const word::ApplicationPtr& application, const TempFolder& scratch, const std::string& face);

// The files with the run's own paths and topic ids made neutral.
WorkFiles Normal(const Compiled& run);
std::string Joined(const std::vector<std::string>& lines);

} // namespace lorivex::test
