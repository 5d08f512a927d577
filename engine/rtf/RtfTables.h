#pragma once
// The two tables at the head of an RTF document that its text refers to by
// number: fonts (\fonttbl, \fN Name;) and colours (\colortbl,
// \redN\greenN\blueN; with an empty entry for the automatic colour).
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lorivex::engine::rtf {

class FontTable {
public:
    void BeginFont(long id);
    void AddByte(char byte) { pendingName_ += byte; }
    // Ends the entry being read (at its ';' or at the end of its group).
    void EndFont(unsigned codePage);
    std::optional<std::u16string> Name(long id) const;

private:
    std::map<long, std::u16string> names_;
    long pendingId_ = -1;
    std::string pendingName_;
};

class ColourTable {
public:
    void SetComponent(char which, long value); // 'r', 'g' or 'b'
    void EndColour();
    // "RRGGBB"; nothing for the automatic colour or an index out of the table.
    std::optional<std::u16string> Colour(long index) const;

private:
    std::vector<std::optional<std::u16string>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool stated_ = false;
};

} // namespace lorivex::engine::rtf
