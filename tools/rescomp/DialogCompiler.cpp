#include "DialogCompiler.hpp"

#include "ByteWriter.hpp"
#include "CompileError.hpp"
#include "LineScanner.hpp"
#include "StyleNames.hpp"
#include "Utf8.hpp"

#include <string>

namespace {

struct Box {
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct Control {
    std::string text;
    unsigned id = 0;
    std::string className;
    Box box;
    DWORD style = 0;
    DWORD exStyle = 0;
};

constexpr std::int64_t kTextMax = 0xFFFF;

Box ReadBox(LineScanner & scanner) {
    Box box;
    box.x = static_cast<int>(scanner.ReadNumber("x", -32768, 32767));
    box.y = static_cast<int>(scanner.ReadNumber("y", -32768, 32767));
    box.cx = static_cast<int>(scanner.ReadNumber("width", -32768, 32767));
    box.cy = static_cast<int>(scanner.ReadNumber("height", -32768, 32767));
    return box;
}

std::string ReadText(LineScanner & scanner, char const * what) {
    std::string text = scanner.ReadQuoted(what);
    if (text.find('\0') != std::string::npos)
        scanner.Fail(std::string("a NUL byte is not allowed in the ") + what);
    if (static_cast<std::int64_t>(text.size()) > kTextMax)
        scanner.Fail(std::string("the ") + what + " is too long");
    return text;
}

// Gathers the words of a style up to the end of the line or the word EXSTYLE, which it
// takes; true when EXSTYLE ended it. Blanks around '|' are thus allowed.
bool ReadStyleWords(LineScanner & scanner, std::string & expression) {
    while (!scanner.AtEnd()) {
        std::string_view word = scanner.ReadWord();
        if (word == "EXSTYLE")
            return true;
        expression += word;
    }
    return false;
}

// A style: names of the window style header and numbers, joined by '|'.
DWORD ParseStyle(LineScanner & scanner, std::string const & expression, char const * what) {
    if (expression.empty())
        scanner.Fail(std::string("missing ") + what);
    DWORD value = 0;
    std::size_t start = 0;
    while (true) {
        std::size_t bar = expression.find('|', start);
        std::string_view part =
            std::string_view(expression)
                .substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (part.empty())
            scanner.Fail(std::string("empty part in the ") + what + " '" + expression + "'");
        DWORD bits = 0;
        std::int64_t number = 0;
        if (StyleNames::Find(part, bits))
            value |= bits;
        else if (LineScanner::ParseNumber(part, number) && number >= 0 && number <= 0xFFFFFFFF)
            value |= static_cast<DWORD>(number);
        else
            scanner.Fail("unknown style name '" + std::string(part) + "'");
        if (bar == std::string::npos)
            return value;
        start = bar + 1;
    }
}

// The style and, after the word EXSTYLE, the extended style; they end the line.
void ReadStyles(LineScanner & scanner, DWORD & style, DWORD & exStyle) {
    std::string expression;
    bool const exStyleFollows = ReadStyleWords(scanner, expression);
    style = ParseStyle(scanner, expression, "style");
    exStyle = 0;
    if (exStyleFollows) {
        std::string exExpression;
        if (ReadStyleWords(scanner, exExpression))
            scanner.Fail("a second EXSTYLE");
        exStyle = ParseStyle(scanner, exExpression, "extended style");
    }
}

void WriteBox(ByteWriter & out, Box const & box) {
    out.I16(box.x);
    out.I16(box.y);
    out.I16(box.cx);
    out.I16(box.cy);
}

} // namespace

std::vector<unsigned char> DialogCompiler::Compile(TextFile const & file) {
    bool haveDialog = false;
    Box dialogBox;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    unsigned fontSize = 0;
    std::string fontFace;
    bool haveFont = false;
    std::vector<Control> controls;

    for (TextFile::Line const & line : file.GetLines()) {
        if (TextFile::IsBlank(line.text) || TextFile::IsComment(line.text))
            continue;
        LineScanner scanner(file.GetPath(), line.number, line.text);
        if (!Utf8::IsValid(line.text))
            scanner.Fail("the line is not valid UTF-8");
        std::string_view keyword = scanner.ReadWord();
        if (keyword == "DIALOG") {
            if (haveDialog)
                scanner.Fail("a second DIALOG line");
            haveDialog = true;
            dialogBox = ReadBox(scanner);
            caption = ReadText(scanner, "caption");
            ReadStyles(scanner, style, exStyle);
        } else if (keyword == "FONT") {
            if (!haveDialog)
                scanner.Fail("FONT before the DIALOG line");
            if (haveFont)
                scanner.Fail("a second FONT line");
            if (!controls.empty())
                scanner.Fail("FONT after the first CONTROL line");
            haveFont = true;
            fontSize = static_cast<unsigned>(scanner.ReadNumber("font size", 1, 0xFFFF));
            fontFace = ReadText(scanner, "font face");
            if (fontFace.empty())
                scanner.Fail("empty font face");
            scanner.ExpectEnd();
        } else if (keyword == "CONTROL") {
            if (!haveDialog)
                scanner.Fail("CONTROL before the DIALOG line");
            if (controls.size() == 0xFFFF)
                scanner.Fail("too many controls");
            Control control;
            control.text = ReadText(scanner, "control text");
            // -1 is the usual identifier of controls that are never addressed.
            std::int64_t id = scanner.ReadNumber("control identifier", -1, 0xFFFF);
            control.id = id < 0 ? 0xFFFF : static_cast<unsigned>(id);
            if (scanner.Peek() == '"')
                control.className = ReadText(scanner, "class name");
            else
                control.className = std::string(scanner.ReadWord());
            if (control.className.empty())
                scanner.Fail("missing class name");
            control.box = ReadBox(scanner);
            ReadStyles(scanner, control.style, control.exStyle);
            controls.push_back(std::move(control));
        } else {
            scanner.Fail("unknown keyword '" + std::string(keyword) +
                         "': expected DIALOG, FONT or CONTROL");
        }
    }
    if (!haveDialog)
        throw CompileError(file.GetPath(), file.GetLines().empty() ? 0 : 1, "missing DIALOG line");

    std::vector<unsigned char> bytes;
    ByteWriter out(bytes);
    out.Tag("DLGT");
    out.U32(style);
    out.U32(exStyle);
    WriteBox(out, dialogBox);
    out.U16(fontSize);
    out.Text(fontFace);
    out.Text(caption);
    out.U16(static_cast<unsigned>(controls.size()));
    for (Control const & control : controls) {
        out.U32(control.style);
        out.U32(control.exStyle);
        WriteBox(out, control.box);
        out.U16(control.id);
        out.Text(control.className);
        out.Text(control.text);
    }
    return bytes;
}
