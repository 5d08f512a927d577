#pragma once
// The compile settings in the current user's registry: general ones, ones
// kept per document, and the two recent-file lists.
#include <string>

#include "services/StringList.h"

namespace lorivex {

inline constexpr char SettingsKey[] = "software\\Vantrell\\Lorivex2008\\Settings";
inline constexpr char ProjectsKey[] = "software\\Vantrell\\Lorivex2008\\Projects\\";
inline constexpr char RecentDocumentsKey[] = "software\\vantrell\\lorivex2008\\History\\Documents";
inline constexpr char RecentHelpFilesKey[] = "software\\vantrell\\lorivex2008\\History\\HelpFiles";
inline constexpr int MaxRecentFiles = 10;

enum RecentKind { RecentDocument = 0, RecentHelpFile = 1 };

struct TCompileOptions {
    std::string OutputFile;
    std::string Compiler;
    bool OverWriteExisting = false;
    bool OpenHelpAfterCompilation = true;
    bool IncludeTableOfContents = true;
    bool IncludeKeywordIndex = true;
    bool IncludeFullTextSearch = true;
    bool IncludeHeaders = false;
};

// "DefaultDoc" for a document never saved, else its file name.
std::string DocumentKey(const std::string& documentFullName);
std::string DefaultOutputFile(const std::string& documentFullName, const std::string& myDocumentsFolder);
std::string DefaultCompilerPath(const std::string& programFilesFolder);

// Registry to options and back; failures are the registry's own errors, or
// the write-access message when a key cannot be created.
TCompileOptions ReadCompileOptions(const std::string& documentFullName, const std::string& myDocumentsFolder,
                                   const std::string& programFilesFolder);
void WriteCompileOptions(const std::string& documentFullName, const TCompileOptions& options);

// Puts the path first in the list under the key (at most ten, no duplicates
// without regard to case); a path without folder is not recorded.
void AddRecentFile(const std::string& key, const std::string& path);
// Documents first (tag 0), then help files (tag 1), most recent first.
TStringList GetRecentFiles(const std::string& ownerClassName);

} // namespace lorivex
