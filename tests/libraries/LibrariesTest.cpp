// The third-party libraries under the document layers, used the way those
// layers use them: pugixml reads and writes WordprocessingML-like XML,
// libzip writes and reads packages (in memory and as files), giflib writes
// and reads images. On Windows these are our own MinGW-w64 builds of Debian's
// sources, so this is where a wrong build option or a missing link library
// shows up first.
#include <gtest/gtest.h>

#include <gif_lib.h>
#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex {
namespace {

// ---- pugixml ---------------------------------------------------------------

const char* const kDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body>"
    "<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/></w:pPr><w:r><w:t>Gr\xC3\xBC\xC3\x9F"
    "e &amp; \xE2\x82\xAC</w:t></w:r></w:p>"
    "<w:p><w:r><w:t xml:space=\"preserve\"> two </w:t></w:r><w:r><w:t>runs</w:t></w:r></w:p>"
    "</w:body></w:document>";

TEST(Libraries, PugixmlParsesQueriesAndWritesBack)
{
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_string(kDocument);
    ASSERT_TRUE(parsed) << parsed.description();

    pugi::xpath_node_set texts = doc.select_nodes("//w:t");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_STREQ(texts[0].node().text().get(), "Gr\xC3\xBC\xC3\x9F" "e & \xE2\x82\xAC");
    EXPECT_STREQ(texts[1].node().text().get(), " two ");
    EXPECT_STREQ(doc.select_node("//w:pStyle/@w:val").attribute().value(), "Heading1");
    EXPECT_DOUBLE_EQ(pugi::xpath_query("count(//w:r)").evaluate_number(doc), 3.0);

    texts[2].node().text().set("r\xC3\xA9sum\xC3\xA9 <1>");
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw);
    EXPECT_NE(out.str().find("r\xC3\xA9sum\xC3\xA9 &lt;1&gt;"), std::string::npos);

    pugi::xml_document again;
    ASSERT_TRUE(again.load_string(out.str().c_str()));
    EXPECT_STREQ(again.select_node("(//w:t)[3]").node().text().get(), "r\xC3\xA9sum\xC3\xA9 <1>");
}

TEST(Libraries, PugixmlReportsWhereAMalformedDocumentBreaks)
{
    pugi::xml_document doc;
    const char broken[] = "<a><b></a>";
    pugi::xml_parse_result parsed = doc.load_string(broken);
    EXPECT_FALSE(parsed);
    EXPECT_EQ(parsed.status, pugi::status_end_element_mismatch);
    EXPECT_GT(parsed.offset, 5); // past the <b> that is never closed
}

// ---- libzip ----------------------------------------------------------------

// An entry's whole content, or "<missing>".
std::string ReadEntry(zip_t* archive, const char* name)
{
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        return "<missing>";
    std::string content;
    char chunk[4096];
    zip_int64_t n;
    while ((n = zip_fread(file, chunk, sizeof chunk)) > 0)
        content.append(chunk, static_cast<size_t>(n));
    zip_fclose(file);
    return n < 0 ? "<read error>" : content;
}

// libzip reads the content only in zip_close: it must live until then.
void AddEntry(zip_t* archive, const char* name, const std::string& content, zip_int32_t method)
{
    zip_source_t* data = zip_source_buffer(archive, content.data(), content.size(), 0);
    ASSERT_NE(data, nullptr);
    zip_int64_t index = zip_file_add(archive, name, data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0)
        zip_source_free(data);
    ASSERT_GE(index, 0) << zip_strerror(archive);
    ASSERT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0), 0);
}

// What the document layers put in a package: a small stored entry, a large
// one worth deflating, a name in UTF-8.
const std::string kMimetype = "application/vnd.openxmlformats";
std::string BigText()
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "<w:p><w:r><w:t>line " + std::to_string(i) + "</w:t></w:r></w:p>\n";
    return text;
}
const char* const kUtf8Name = "word/m\xC3\xA9" "dia/\xE2\x82\xAC.txt";
const std::string kEuro = "euro";

void CheckPackage(zip_t* archive, const std::string& big)
{
    EXPECT_EQ(zip_get_num_entries(archive, 0), 3);
    EXPECT_EQ(ReadEntry(archive, "mimetype"), kMimetype);
    EXPECT_EQ(ReadEntry(archive, "word/document.xml"), big);
    EXPECT_EQ(ReadEntry(archive, kUtf8Name), kEuro);

    zip_stat_t stat;
    ASSERT_EQ(zip_stat(archive, "word/document.xml", 0, &stat), 0);
    EXPECT_EQ(stat.comp_method, ZIP_CM_DEFLATE);
    EXPECT_EQ(stat.size, big.size());
    EXPECT_LT(stat.comp_size, big.size() / 4); // deflate really ran
    ASSERT_EQ(zip_stat(archive, "mimetype", 0, &stat), 0);
    EXPECT_EQ(stat.comp_method, ZIP_CM_STORE);
}

TEST(Libraries, LibzipWritesAndReadsAPackageInMemory)
{
    const std::string big = BigText();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    ASSERT_NE(buffer, nullptr);
    zip_source_keep(buffer); // outlives zip_close, which writes into it
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr) << zip_error_strerror(&error);
    AddEntry(archive, "mimetype", kMimetype, ZIP_CM_STORE);
    AddEntry(archive, "word/document.xml", big, ZIP_CM_DEFLATE);
    AddEntry(archive, kUtf8Name, kEuro, ZIP_CM_DEFLATE);
    ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);

    // The bytes of the finished archive.
    ASSERT_EQ(zip_source_open(buffer), 0);
    ASSERT_EQ(zip_source_seek(buffer, 0, SEEK_END), 0);
    zip_int64_t size = zip_source_tell(buffer);
    ASSERT_GT(size, 0);
    ASSERT_EQ(zip_source_seek(buffer, 0, SEEK_SET), 0);
    std::string bytes(static_cast<size_t>(size), '\0');
    ASSERT_EQ(zip_source_read(buffer, bytes.data(), bytes.size()), size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    EXPECT_EQ(bytes.compare(0, 4, "PK\x03\x04"), 0);

    zip_source_t* input = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    ASSERT_NE(input, nullptr);
    zip_t* reread = zip_open_from_source(input, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    ASSERT_NE(reread, nullptr) << zip_error_strerror(&error);
    CheckPackage(reread, big);
    zip_discard(reread);
    zip_error_fini(&error);
}

TEST(Libraries, LibzipWritesAndReadsAPackageFileWithANonAsciiName)
{
    // The system's paths are ANSI text, while libzip takes UTF-8 file names
    // (on Windows it widens them itself): the call converts at the boundary.
    // libzip writes through a temporary file beside the target and renames
    // it, on Windows with Win32 file code of its own.
    test::TempFolder scratch;
    const std::string name = platform::Utf8ToAnsi("Gr\xC3\xB6\xC3\x9F" "e.docx");
    const std::string path = scratch / name;
    const std::string utf8Path = platform::AnsiToUtf8(path);
    const std::string big = BigText();
    int error = 0;
    zip_t* archive = zip_open(utf8Path.c_str(), ZIP_CREATE | ZIP_EXCL, &error);
    ASSERT_NE(archive, nullptr) << "zip_open error " << error;
    AddEntry(archive, "mimetype", kMimetype, ZIP_CM_STORE);
    AddEntry(archive, "word/document.xml", big, ZIP_CM_DEFLATE);
    AddEntry(archive, kUtf8Name, kEuro, ZIP_CM_DEFLATE);
    ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);
    EXPECT_TRUE(platform::FileExists(path));
    auto entries = platform::ListDirectory(scratch.Path());
    ASSERT_EQ(entries.size(), 1u); // no temporary file left
    EXPECT_EQ(entries[0].Name, name);

    zip_t* reread = zip_open(utf8Path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    ASSERT_NE(reread, nullptr) << "zip_open error " << error;
    CheckPackage(reread, big);
    zip_discard(reread);

    // A file that is not an archive is told apart.
    const std::string notZip = scratch / "plain.docx";
    platform::WriteFileBytes(notZip, "not a zip archive at all");
    EXPECT_EQ(zip_open(platform::AnsiToUtf8(notZip).c_str(), ZIP_RDONLY, &error), nullptr);
    EXPECT_EQ(error, ZIP_ER_NOZIP);
}

// ---- giflib ----------------------------------------------------------------

int WriteToVector(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* out = static_cast<std::vector<GifByteType>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

struct Reader {
    const std::vector<GifByteType>* bytes;
    size_t at = 0;
};

int ReadFromVector(GifFileType* gif, GifByteType* into, int length)
{
    auto* in = static_cast<Reader*>(gif->UserData);
    size_t n = std::min(static_cast<size_t>(length), in->bytes->size() - in->at);
    std::memcpy(into, in->bytes->data() + in->at, n);
    in->at += n;
    return static_cast<int>(n);
}

TEST(Libraries, GiflibEncodesAndDecodesAnImage)
{
    const int width = 7, height = 3;
    const GifColorType palette[4] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}};
    std::vector<GifByteType> pixels(width * height);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = static_cast<GifByteType>((i * 7 / 3) % 4);

    std::vector<GifByteType> file;
    int error = 0;
    GifFileType* out = EGifOpen(&file, WriteToVector, &error);
    ASSERT_NE(out, nullptr) << GifErrorString(error);
    ColorMapObject* map = GifMakeMapObject(4, palette);
    ASSERT_NE(map, nullptr);
    EGifSetGifVersion(out, true);
    ASSERT_EQ(EGifPutScreenDesc(out, width, height, 2, 0, map), GIF_OK);
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = 3;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ASSERT_EQ(EGifPutExtension(out, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension), GIF_OK);
    ASSERT_EQ(EGifPutImageDesc(out, 0, 0, width, height, false, nullptr), GIF_OK);
    for (int y = 0; y < height; ++y)
        ASSERT_EQ(EGifPutLine(out, pixels.data() + y * width, width), GIF_OK);
    ASSERT_EQ(EGifCloseFile(out, &error), GIF_OK) << GifErrorString(error);
    GifFreeMapObject(map);
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "GIF89a");

    Reader reader{&file};
    GifFileType* in = DGifOpen(&reader, ReadFromVector, &error);
    ASSERT_NE(in, nullptr) << GifErrorString(error);
    ASSERT_EQ(DGifSlurp(in), GIF_OK) << GifErrorString(in->Error);
    EXPECT_EQ(in->SWidth, width);
    EXPECT_EQ(in->SHeight, height);
    ASSERT_EQ(in->ImageCount, 1);
    ASSERT_NE(in->SColorMap, nullptr);
    ASSERT_EQ(in->SColorMap->ColorCount, 4);
    EXPECT_EQ(in->SColorMap->Colors[2].Red, 255);
    EXPECT_EQ(in->SColorMap->Colors[3].Blue, 255);
    const SavedImage& image = in->SavedImages[0];
    EXPECT_EQ(std::vector<GifByteType>(image.RasterBits, image.RasterBits + width * height), pixels);
    GraphicsControlBlock readControl{};
    ASSERT_EQ(DGifSavedExtensionToGCB(in, 0, &readControl), GIF_OK);
    EXPECT_EQ(readControl.TransparentColor, 3);
    ASSERT_EQ(DGifCloseFile(in, &error), GIF_OK);
}

} // namespace
} // namespace lorivex
