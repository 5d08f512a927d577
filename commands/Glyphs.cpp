// Pixel maps, one character a pixel: '.' is the background, the others pick
// a colour from the palette below. Kept as text so that a picture can be
// read and changed in the source.
#include "commands/Glyphs.h"

#include <array>

namespace lorivex {

namespace {

using Map = std::array<const char*, 16>;

constexpr ui::TColor Background = ui::Rgb(255, 0, 255);

ui::TColor Colour(char c)
{
    switch (c) {
    case 'k': return ui::Rgb(0, 0, 0);
    case 'w': return ui::Rgb(255, 255, 255);
    case 'g': return ui::Rgb(128, 128, 128);
    case 'l': return ui::Rgb(192, 192, 192);
    case 'n': return ui::Rgb(0, 0, 128);
    case 'b': return ui::Rgb(0, 96, 224);
    case 'c': return ui::Rgb(120, 190, 255);
    case 'y': return ui::Rgb(255, 220, 64);
    case 'o': return ui::Rgb(224, 144, 0);
    case 'r': return ui::Rgb(208, 32, 32);
    case 'G': return ui::Rgb(0, 144, 48);
    case 'p': return ui::Rgb(160, 96, 32);
    default: return Background;
    }
}

const Map& MapOf(TGlyph glyph)
{
    static const Map folder = {
        "................", "................", ".ooooo..........", "oyyyyyo.........",
        "oyyyyyyooooooo..", "oyyyyyyyyyyyyyo.", "oyoooooooooooooo", "oyoyyyyyyyyyyyyo",
        "oyoyyyyyyyyyyyyo", "ooyyyyyyyyyyyyo.", "ooyyyyyyyyyyyyo.", "oyyyyyyyyyyyyyo.",
        "oyyyyyyyyyyyyo..", "ooooooooooooooo.", "................", "................"};
    static const Map page = {
        "................", "..gggggggg......", "..gwwwwwwgg.....", "..gwwwwwwgwg....",
        "..gwkkkkwggggg..", "..gwwwwwwwwwwg..", "..gwkkkkkkkkwg..", "..gwwwwwwwwwwg..",
        "..gwkkkkkkkkwg..", "..gwwwwwwwwwwg..", "..gwkkkkkkkkwg..", "..gwwwwwwwwwwg..",
        "..gwkkkkkkwwwg..", "..gwwwwwwwwwwg..", "..gggggggggggg..", "................"};
    static const Map pencil = {
        "................", "..gggggggg......", "..gwwwwwwgg.....", "..gwwwwwwgwg..kk",
        "..gwkkkkwgggkyyk", "..gwwwwwwwwkyyk.", "..gwkkkkkkkyyk..", "..gwwwwwwwkyyk..",
        "..gwkkkkkkyyk...", "..gwwwwwwkyyk...", "..gwkkkkkooknn..", "..gwwwwwwkknng..",
        "..gwkkkkkkwwwg..", "..gwwwwwwwwwwg..", "..gggggggggggg..", "................"};
    static const Map document = {
        "................", "..nnnnnnnn......", "..nwwwwwwnn.....", "..nwwwwwwnwn....",
        "..nwbbbbwnnnn...", "..nwwwwwwwwwn...", "..nwbbbbbbbwn...", "..nwwwwwwwwwn...",
        "..nwbbbbbbbwn...", "..nwwwwwwwwwn...", "..nwbbbbbbbwn...", "..nwwwwwwwwwn...",
        "..nwbbbbbwwwn...", "..nwwwwwwwwwn...", "..nnnnnnnnnnn...", "................"};
    static const Map help = {
        "................", "...nnnnnnnnnn...", "..nbbbbbbbbbbn..", "..nbbbwwwwbbbn..",
        "..nbbwwbbwwbbn..", "..nbbbbbbwwbbn..", "..nbbbbbwwbbbn..", "..nbbbbwwbbbbn..",
        "..nbbbbwwbbbbn..", "..nbbbbbbbbbbn..", "..nbbbbwwbbbbn..", "..nbbbbwwbbbbn..",
        "..nbbbbbbbbbbn..", "...nnnnnnnnnn...", "................", "................"};
    static const Map compile = {
        "................", ".nnnnnnnnnnnn...", ".nbbbbbbbbbbn...", ".nbccccccccbn...",
        ".nbcwwwwwwcbn...", ".nbcwkkkkwcbn...", ".nbcwwwwwwcbn...", ".nbcwkkkkwcbn...",
        ".nbcwwwwwwcbn...", ".nbccccccccbn..G", ".nbbbbbbbbbbn.GG", ".nnnnnnnnnnnnGGG",
        "..........GGGGGG", "...........GGGGG", "............GGGG", ".............GGG"};
    static const Map about = {
        "................", ".....nnnnnn.....", "...nnbbbbbbnn...", "..nbbbbwwbbbbn..",
        "..nbbbbwwbbbbn..", ".nbbbbbbbbbbbbn.", ".nbbbbwwwbbbbbn.", ".nbbbbbwwbbbbbn.",
        ".nbbbbbwwbbbbbn.", ".nbbbbbwwbbbbbn.", "..nbbbbwwbbbbn..", "..nbbbwwwwbbbn..",
        "...nnbbbbbbnn...", ".....nnnnnn.....", "................", "................"};
    static const Map recent = {
        "................", ".....kkkkkk.....", "...kkwwwwwwkk...", "..kwwwwkwwwwwk..",
        "..kwwwwkwwwwwk..", ".kwwwwwkwwwwwwk.", ".kwwwwwkwwwwwwk.", ".kwwwwwkkkkkwwk.",
        ".kwwwwwwwwwwwwk.", ".kwwwwwwwwwwwwk.", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
        "...kkwwwwwwkk...", ".....kkkkkk.....", "................", "................"};
    static const Map templates = {
        "................", "nnnnnnnn........", "nwwwwwwn........", "nwbbbbwn........",
        "nwwwwwwnnnnnnn..", "nwbbbbwnwwwwwwn.", "nwwwwwwnwbbbbwn.", "nwbbbbwnwwwwwwn.",
        "nnnnnnnnwbbbbwn.", ".......nwwwwwwn.", ".......nwbbbbwn.", ".......nwwwwwwn.",
        ".......nwbbbbwn.", ".......nwwwwwwn.", ".......nnnnnnnn.", "................"};
    static const Map symbols = {
        "................", ".......y........", "......yyy.......", "......yyy.......",
        ".....yyyyy......", "yyyyyyyyyyyyyyy.", ".yyyyyyyyyyyyy..", "..yyyyyyyyyyy...",
        "...yyyyyyyyy....", "...yyyyyyyyy....", "..yyyyy.yyyyy...", "..yyyy...yyyy...",
        ".yyy.......yyy..", ".yy.........yy..", "................", "................"};
    static const Map popup = {
        "................", ".kkkkkkkkkkkkkk.", ".kyyyyyyyyyyyyk.", ".kykkkkkkkkkkyk.",
        ".kyyyyyyyyyyyyk.", ".kykkkkkkkkyyyk.", ".kyyyyyyyyyyyyk.", ".kkkkkyykkkkkkk.",
        ".....kyk........", "....kyk.........", "...kk...........", "................",
        "..bbbbbbbbbbbb..", "................", "..bbbbbbbbbb....", "................"};
    static const Map variable = {
        "................", "................", "..nn........nn..", ".n............n.",
        ".n..rr....rr..n.", ".n...rr..rr...n.", "n.....rrrr.....n", "n......rr......n",
        "n.....rrrr.....n", ".n...rr..rr...n.", ".n..rr....rr..n.", ".n............n.",
        "..nn........nn..", "................", "................", "................"};
    static const Map related = {
        "................", "gggggg..........", "gwwwwg..........", "gwkkwg..........",
        "gwwwwg..........", "ggggggbbbb......", "..........b.....", "...........b....",
        "..........gggggg", "..........gwwwwg", "..........gwkkwg", "..........gwwwwg",
        "..........gggggg", "................", "................", "................"};
    static const Map paste = {
        "................", ".....kkkk.......", ".pppkllllkppp...", ".pwpkkkkkkpwp...",
        ".pwwwwwwwwwwp...", ".pwwkkkkkkkkkkk.", ".pwwkwwwwwwwwwk.", ".pwwkwbbbwwwwwk.",
        ".pwwkwwwwwwwwwk.", ".pwwkwwGGGGGwwk.", ".pwwkwwwwwwwwwk.", ".pwwkwrrrrwwwwk.",
        ".pppkwwwwwwwwwk.", "....kwwwwwwwwwk.", "....kkkkkkkkkkk.", "................"};
    static const Map styleSheet = {
        "................", "..gggggggg......", "..gwwwwwwgg.....", "..gwwwwwwgwg....",
        "..gwrrrrwgggg...", "..gwwwwwwwwwg...", "..gwbbbbbbbwg...", "..gwwwwwwwwwg...",
        "..gwGGGGGGGwg...", "..gwwwwwwwwwg...", "..gwooooooowg...", "..gwwwwwwwwwg...",
        "..gwyyyyyywwg...", "..gwwwwwwwwwg...", "..ggggggggggg...", "................"};
    switch (glyph) {
    case TGlyph::Folder: return folder;
    case TGlyph::Page: return page;
    case TGlyph::PageWithPencil: return pencil;
    case TGlyph::WordDocument: return document;
    case TGlyph::HelpFile: return help;
    case TGlyph::Compile: return compile;
    case TGlyph::About: return about;
    case TGlyph::Help: return help;
    case TGlyph::Recent: return recent;
    case TGlyph::Templates: return templates;
    case TGlyph::Symbols: return symbols;
    case TGlyph::TextPopup: return popup;
    case TGlyph::Variable: return variable;
    case TGlyph::RelatedTopics: return related;
    case TGlyph::PasteCode: return paste;
    case TGlyph::StyleSheet: return styleSheet;
    }
    return page;
}

} // namespace

ui::TBitmapPtr MakeGlyph(TGlyph glyph)
{
    auto bitmap = std::make_shared<ui::TBitmap>(16, 16, Background);
    bitmap->SetTransparentColor(Background);
    const Map& map = MapOf(glyph);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && map[size_t(y)][x] != '\0'; ++x)
            bitmap->SetPixel(x, y, Colour(map[size_t(y)][x]));
    return bitmap;
}

} // namespace lorivex
