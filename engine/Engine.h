#pragma once
// The document engine's entry point: a Word application of our own.
#include "services/word/Word.h"

namespace lorivex::engine {

// Version: what Application.Version answers ("9.0" plays Word 2000).
word::ApplicationPtr CreateApplication(const std::u16string& version = u"12.0");

// The style name Word shows for an engine paragraph (Word's Paragraph.Style,
// which the compiler never asks for; the inspect command does).
std::u16string ParagraphStyleName(const word::ParagraphPtr& paragraph);

} // namespace lorivex::engine
