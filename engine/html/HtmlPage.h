#pragma once
// A whole page for a document: head (charset, title, base target, the
// page's styles, linked stylesheets) and the main story as its body.
#include <string>

#include "engine/DocumentModel.h"
#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

// Pictures are written through `pictures` as they are met.
std::string RenderPage(const DocumentModel& model, const HtmlOptions& options, HtmlPictures& pictures);

// Writes the page and its picture folder; the page replaces an older file
// only once it is complete, and a failure leaves the old one and raises an
// error naming the file.
void SaveHtml(const DocumentModel& model, const std::string& path, const HtmlOptions& options);

} // namespace lorivex::engine::html
