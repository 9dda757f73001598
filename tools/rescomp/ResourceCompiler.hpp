#pragma once

#include "Resource.hpp"

#include <filesystem>
#include <ostream>
#include <vector>

// Compiles a module's resources folder (strings/, data/, dialogs/, bitmaps/) and writes
// the C++ source that holds and registers them. Faults throw CompileError.
class ResourceCompiler {
public:
    void CompileFolder(std::filesystem::path const & folder);
    void WriteSource(std::ostream & out, std::string const & folder) const;

    std::vector<Resource> const & GetResources() const { return m_resources; }

private:
    void CompileStringTable(std::string const & path, std::uint32_t language);
    void CompileData(std::string const & path, std::string const & name, std::uint32_t language);
    void Add(Resource resource);

    std::vector<Resource> m_resources;
};
