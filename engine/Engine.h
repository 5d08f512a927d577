#pragma once
// The document engine's entry point: a Word application of our own.
#include "services/word/Word.h"

namespace lorivex::engine {

word::ApplicationPtr CreateApplication();

} // namespace lorivex::engine
