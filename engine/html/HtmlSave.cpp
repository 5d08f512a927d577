// Saving a page: the file system's failures become messages that name the
// page, and nothing half-written is left where the page should be.
#include "engine/html/HtmlPage.h"
#include "platform/FileSystem.h"
#include "platform/WriteBehind.h"
#include "services/word/Dispatch.h"

namespace lorivex::engine::html {

void SaveHtml(const DocumentModel& model, const std::string& path, const HtmlOptions& options)
{
    std::string folder = platform::ExtractFilePath(path);
    if (!folder.empty() && !platform::DirectoryExists(platform::ExcludeTrailingPathDelimiter(folder)))
        throw word::EWordError("Cannot save \"" + path + "\": the folder \"" + folder + "\" does not exist.");
    if (platform::DirectoryExists(path))
        throw word::EWordError("Cannot save \"" + path + "\": a folder of that name exists.");
    HtmlPictures pictures(path);
    std::string page = RenderPage(model, options, pictures);
    try {
        // Inside a compile's scope the page is written on another thread;
        // a failure then comes at the scope's end, naming the file.
        platform::WriteFileBehind(path, std::move(page));
    } catch (const platform::EWriteBehind&) {
        throw; // an earlier page's, which names its own file
    } catch (const Exception& e) {
        throw word::EWordError("Cannot save \"" + path + "\": " + e.Message());
    }
    pictures.Keep();
}

} // namespace lorivex::engine::html
