#include "engine/html/HtmlPictures.h"

#include <cstdio>

#include "engine/PictureHeader.h"
#include "engine/html/HtmlText.h"
#include "services/word/Dispatch.h"
#include "platform/FileSystem.h"

namespace lorivex::engine::html {

HtmlPictures::HtmlPictures(const std::string& pagePath)
{
    if (pagePath.empty())
        return;
    std::string name = platform::ChangeFileExt(platform::ExtractFileName(pagePath), "") + "_files";
    folder_ = platform::ExtractFilePath(pagePath) + name;
    relative_ = UrlPath(name) + "/";
}

HtmlPictures::~HtmlPictures()
{
    if (kept_)
        return;
    // A page that failed to save leaves no pictures behind for it.
    for (const auto& file : written_)
        platform::DeleteFile(file);
    if (createdFolder_)
        platform::RemoveDir(folder_);
}

std::string HtmlPictures::Add(const ObjectRecord& picture)
{
    char name[32];
    std::snprintf(name, sizeof name, "image%03d", ++count_);
    std::string file = name + PictureExtension(picture.ContentType);
    if (!folder_.empty()) {
        if (!platform::DirectoryExists(folder_)) {
            if (!platform::ForceDirectories(folder_))
                throw word::EWordError("Cannot create the picture folder \"" + folder_ + "\".");
            createdFolder_ = true;
        }
        std::string path = platform::JoinPath(folder_, file);
        platform::WriteFileBytes(path, picture.Bytes);
        written_.push_back(path);
    }
    return relative_ + file;
}

} // namespace lorivex::engine::html
