#include "faces/WorkFiles.h"

#include <algorithm>

#include "compiler/LvxDocumentHelper.h"
#include "platform/FileSystem.h"

namespace lorivex::test {

namespace {

void ReadInto(WorkFiles& files, const std::string& folder, const std::string& prefix)
{
    for (const auto& entry : platform::ListDirectory(folder)) {
        const std::string path = platform::JoinPath(folder, entry.Name);
        if (entry.IsDirectory)
            ReadInto(files, path, prefix + entry.Name + "/");
        else if (!entry.IsLink)
            files[prefix + entry.Name] = platform::ReadFileBytes(path);
    }
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with)
{
    if (what.empty())
        return text;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    const auto a = Lines(expected), b = Lines(actual);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    auto side = [&](const std::vector<std::string>& lines) {
        return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("(no such line)");
    };
    if (i == a.size() && i == b.size()) // the lines agree: only a last line end differs
        return "the file's end differs";
    return "line " + std::to_string(i + 1) + ": " + side(a) + " / " + side(b);
}

} // namespace

WorkFiles ReadWorkFiles(const std::string& folder)
{
    WorkFiles files;
    ReadInto(files, folder, "");
    return files;
}

std::vector<std::string> TopicIds(const WorkFiles& files)
{
    std::vector<std::string> ids;
    auto project = files.find(ProjectFileName);
    if (project == files.end())
        return ids;
    bool inFiles = false;
    const std::string page = ".html";
    for (std::string line : Lines(project->second)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            inFiles = line == "[FILES]";
        else if (inFiles && line.size() > page.size() && line.compare(line.size() - page.size(), page.size(), page) == 0)
            ids.push_back(line.substr(0, line.size() - page.size()));
    }
    return ids;
}

WorkFiles Normalise(const WorkFiles& files, std::vector<std::pair<std::string, std::string>> literals)
{
    std::vector<std::pair<std::string, std::string>> rules;
    const auto ids = TopicIds(files);
    for (size_t i = 0; i < ids.size(); ++i)
        rules.emplace_back(ids[i], "topic" + std::to_string(i + 1));
    std::stable_sort(literals.begin(), literals.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    rules.insert(rules.end(), literals.begin(), literals.end());
    auto apply = [&](std::string text) {
        for (const auto& [what, with] : rules)
            text = ReplaceAll(std::move(text), what, with);
        return text;
    };
    WorkFiles normalised;
    for (const auto& [name, bytes] : files)
        normalised[apply(name)] = apply(bytes);
    return normalised;
}

std::vector<std::string> Differences(const WorkFiles& expected, const WorkFiles& actual)
{
    std::vector<std::string> differences;
    for (const auto& [name, bytes] : expected) {
        auto other = actual.find(name);
        if (other == actual.end())
            differences.push_back(name + ": only in the first run");
        else if (other->second != bytes)
            differences.push_back(name + ": " + FirstDifference(bytes, other->second));
    }
    for (const auto& [name, bytes] : actual)
        if (!expected.count(name))
            differences.push_back(name + ": only in the second run");
    return differences;
}

} // namespace lorivex::test
