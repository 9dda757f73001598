#pragma once

#include <string>

// Paths as the dialogs keep them: absolute, without "." and ".." steps and without a
// trailing separator (but "/").
namespace FolderPath {

// A path made absolute against the current folder and tidied.
std::string Normal(std::string const & path);
// A name, or a path, taken from a folder: absolute names stand for themselves.
std::string Join(std::string const & folder, std::string const & name);
std::string Parent(std::string const & path);
// The part after the last separator; "/" for the root.
std::string NameOf(std::string const & path);
bool IsFolder(std::string const & path);
bool IsFile(std::string const & path);

} // namespace FolderPath
