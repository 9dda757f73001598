#pragma once

#include "TextFile.hpp"

#include <vector>

// Compiles a dialog file into the binary dialog template that CDialogTemplate reads.
//
// Source (blank lines and lines starting with ';' are skipped):
//   DIALOG x y cx cy "caption" style [EXSTYLE exstyle]
//   FONT size "face"                                     (optional, before the controls)
//   CONTROL "text" id class x y cx cy style [EXSTYLE exstyle]
//
// Binary form, little-endian; a text is a 16-bit length and that many bytes:
//   "DLGT", style u32, exstyle u32, x y cx cy i16, font size u16, font face text,
//   caption text, item count u16, then per item: style u32, exstyle u32, x y cx cy i16,
//   id u16, class text, text text.
class DialogCompiler {
public:
    static std::vector<unsigned char> Compile(TextFile const & file);
};
