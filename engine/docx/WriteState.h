#pragma once
// What the writing of one package shares across its parts: bookmark and
// drawing ids that must be unique in the whole document, and the pictures
// that need new media parts.
#include <map>
#include <string>

#include "engine/DocumentModel.h"

namespace lorivex::engine::docx {

struct NewMedia {
    std::string Bytes;
    std::string ContentType;
};

struct WriteState {
    explicit WriteState(const DocumentModel& model) : Model(model) {}
    const DocumentModel& Model;
    long NextBookmarkId = 0;
    long NextDrawingId = -1; // found on first use
    std::map<std::string, NewMedia> Media; // part name -> picture
};

} // namespace lorivex::engine::docx
