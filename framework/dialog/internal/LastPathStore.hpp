#pragma once

#include <string>

// The folders the file dialogs remember, one per key, in the file "vantorui/lastpaths" of
// the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), so that they survive
// the program.
//
// The file holds one line per key: the key, a tab and the folder, both with '%', tabs, line
// ends and other control characters written as "%" and two hex digits, so that keys of any
// characters stay apart. Lines that do not read that way are passed over. Saving reads the
// file, replaces or adds the key's line and writes a new file beside it that then takes the
// old one's place, so a reader never sees half a file.
namespace LastPathStore {

// The file's path; empty when neither XDG_CONFIG_HOME nor HOME is set.
std::string FilePath();
// The folder remembered under a key; false when there is none.
bool Load(std::string const & key, std::string & folder);
// Remembers a folder under a key; false when the file could not be written.
bool Save(std::string const & key, std::string const & folder);

} // namespace LastPathStore
