// "lorivex related": the related-topics dialog with the cursor in a topic,
// the tree's selection made from the --select paths.
#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "commands/LorivexModule.h"
#include "commands/SeeAlsoDialog.h"
#include "compiler/LvxDocumentHelper.h"
#include "platform/CodePages.h"
#include "services/LorivexUtils.h"
#include "services/word/Word.h"

namespace lorivex::cli {

namespace {

// The node a path leads to, component by component, as the tree shows it.
ui::TTreeNode* NodeFor(TSeeAlsoDialog& dialog, const std::string& path)
{
    TStringList parts;
    SplitString(path, '\\', parts);
    ui::TTreeNode* node = nullptr;
    for (const auto& part : parts) {
        node = dialog.FindNode(Trim(part.Text), node);
        if (!node)
            return nullptr;
    }
    return node;
}

// Puts the cursor at the start of the topic with the path; false when the
// document has no such topic.
bool PlaceCursorInTopic(const word::DocumentPtr& document, const std::string& path)
{
    TLvxDocumentHelper walk;
    long start = -1;
    walk.WalkTopics(document, [&](const std::string& topic, long from, long) {
        if (start < 0 && SameText(topic, path))
            start = from;
    });
    if (start < 0)
        return false;
    auto selection = document->ActiveWindow()->Selection();
    selection->SetStart(start);
    selection->SetEnd(start);
    return true;
}

} // namespace

int RunRelated(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, false); !error.empty())
        return UsageError("related", error);
    std::string topic;
    std::vector<std::string> selected;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--topic" && i + 1 < rest.size())
            topic = platform::Utf8ToAnsi(rest[++i]);
        else if (rest[i] == "--select" && i + 1 < rest.size())
            selected.push_back(platform::Utf8ToAnsi(rest[++i]));
        else
            return UsageError("related", "unknown argument '" + rest[i] + "'");
    }
    if (topic.empty())
        return UsageError("related", "give the topic with --topic PATH (titles joined by \\)");
    auto answer = ui::ScopedAnswer::Form("TSeeAlsoDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TSeeAlsoDialog&>(form);
        dialog.TopicTree->ClearSelection();
        for (const auto& path : selected) {
            ui::TTreeNode* node = NodeFor(dialog, path);
            if (!node)
                throw Exception("There is no topic \"" + path + "\" in the document.");
            if (!dialog.TopicTree->Select(*node, ui::ssCtrl))
                throw Exception("The topic \"" + path + "\" is the one being edited; it cannot be its own related topic.");
        }
        dialog.BitBtn1->Click();
    });
    return RunOnDocument("related", document, [&](TLorivexModule& module) {
        if (!PlaceCursorInTopic(module.WordApp->ActiveDocument(), topic))
            throw Exception("There is no topic \"" + topic + "\" in the document.");
        module.SeeAlsoClick(module);
    });
}

} // namespace lorivex::cli
