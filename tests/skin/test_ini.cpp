// The description's syntax and its lookups.
#include <doctest/doctest.h>

#include "ui/skin/quick_ini.h"

namespace {

TQuickIni Ini(const std::string& text)
{
    TQuickIni ini;
    ini.LoadFromText(text);
    return ini;
}

} // namespace

TEST_CASE("lines, comments and sections")
{
    const TQuickIni ini = Ini("; a comment\r\n[Buttons]\r\n  image = top.bmp  \r\n\r\n"
                              "Note=a;b ; c\rLeftWidth=4\n[ Spaced Name ]\nKey=1\n[buttons]\nImage=second.bmp\n");
    CHECK(ini.Lines().size() == 8);  // the comment and the blank line are not stored
    CHECK(ini.ReadString("Buttons", "Image", "") == "top.bmp");
    CHECK(ini.ReadString("BUTTONS", "IMAGE", "") == "top.bmp");
    CHECK(ini.ReadString("Buttons", "Note", "") == "a;b ; c");  // ';' after the start belongs to the line
    CHECK(ini.ReadInteger("Buttons", "LeftWidth", 0) == 4);      // lone CR and lone LF end lines
    // Blanks inside the brackets belong to the name.
    CHECK(ini.ReadString("Spaced Name", "Key", "x") == "x");
    CHECK(ini.ReadString(" Spaced Name ", "Key", "x") == "1");
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    CHECK(sections == std::vector<std::string>{"Buttons", "Spaced Name", "buttons"});
}

TEST_CASE("only the first of a repeated section or key is read")
{
    const TQuickIni ini = Ini("[Buttons]\nImage=a.bmp\nImage=b.bmp\nTile=1\n[Other]\nX=1\n[Buttons]\nTile=5\nFrame=3\n");
    CHECK(ini.ReadString("Buttons", "Image", "") == "a.bmp");
    CHECK(ini.ReadInteger("Buttons", "Tile", 0) == 1);
    CHECK(ini.ReadInteger("Buttons", "Frame", 7) == 7);  // the second section is never found
    CHECK(ini.ReadString("Other", "Image", "none") == "none");  // the walk stops at the next header
}

TEST_CASE("an empty value gives the default and ends the search")
{
    const TQuickIni ini = Ini("[S]\nImage=\nImage=later.bmp\n=bare\nnoequals\nA = spaced value here \n");
    CHECK(ini.ReadString("S", "Image", "def") == "def");
    CHECK(ini.ReadString("S", "A", "") == "spaced value here");
    CHECK(ini.ReadString("S", "Missing", "def") == "def");
    CHECK(ini.ReadString("Missing", "A", "def") == "def");
    CHECK(ini.ReadString("S", "", "def") == "bare");  // '=bare' has the empty key
}

TEST_CASE("integers: decimal, 0x and $ hexadecimal, signs; anything else the default")
{
    const TQuickIni ini = Ini("[N]\na=0x10\nb=$10\nc=0x\nd=12px\ne=-5\nf=+7\ng=0X1f\nh=$FFFFFFFF\n"
                              "i=2147483647\nj=2147483648\nk=-2147483648\nl=$\nm=0x-1\nn= 42 \n");
    auto n = [&](const char* key) { return ini.ReadInteger("N", key, -99); };
    CHECK(n("a") == 16);
    CHECK(n("b") == 16);
    CHECK(n("c") == -99);
    CHECK(n("d") == -99);
    CHECK(n("e") == -5);
    CHECK(n("f") == 7);
    CHECK(n("g") == 31);
    CHECK(n("h") == -1);
    CHECK(n("i") == 2147483647);
    CHECK(n("j") == -99);
    CHECK(n("k") == INT32_MIN);
    CHECK(n("l") == -99);
    CHECK(n("m") == -99);
    CHECK(n("n") == 42);
    CHECK(n("absent") == -99);
}

TEST_CASE("loading from a stream takes the rest of it, up to a NUL")
{
    std::string text = "junk[S]\nK=v\n";
    text += '\0';
    text += "[T]\nK=w\n";
    TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
    stream.Seek(4);
    TQuickIni ini;
    ini.LoadFromStream(&stream);
    CHECK(ini.ReadString("S", "K", "") == "v");
    CHECK(ini.ReadString("T", "K", "none") == "none");
    ini.LoadFromStream(nullptr);  // no stream: unchanged
    CHECK(ini.ReadString("S", "K", "") == "v");
    TMemoryStream empty;
    ini.LoadFromStream(&empty);
    CHECK(ini.Lines().empty());
    CHECK(ini.ReadString("S", "K", "d") == "d");
}
