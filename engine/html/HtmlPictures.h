#pragma once
// The folder beside a page that holds its pictures ("page_files"), as Word
// writes it: created with the first picture only, files numbered in the
// order the pictures appear, removed again when the page is not saved.
#include <string>
#include <vector>

#include "engine/Records.h"

namespace lorivex::engine::html {

class HtmlPictures {
public:
    // pagePath is the page's own file; an empty one writes no files (the
    // page is only rendered) but still gives every picture its address.
    explicit HtmlPictures(const std::string& pagePath);
    ~HtmlPictures();
    HtmlPictures(const HtmlPictures&) = delete;
    HtmlPictures& operator=(const HtmlPictures&) = delete;

    // Writes the picture and returns its address relative to the page.
    std::string Add(const ObjectRecord& picture);
    // The page is saved: the pictures stay.
    void Keep() { kept_ = true; }

private:
    std::string folder_;   // full path of the folder
    std::string relative_; // "page_files/"
    bool createdFolder_ = false;
    bool kept_ = false;
    int count_ = 0;
    std::vector<std::string> written_;
};

} // namespace lorivex::engine::html
