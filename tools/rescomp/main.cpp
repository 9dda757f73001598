// rescomp: compiles a module's resources folder into a C++ source that defines the
// module's resource table and registers it.
//
//   rescomp <resources folder> <output .cpp>
//
// On a fault it prints "file:line: error: message", writes nothing and exits with 1.

#include "CompileError.hpp"
#include "ResourceCompiler.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Writes beside the output and renames, so a failed run never leaves half a source.
bool WriteFile(fs::path const & output, std::string const & content) {
    fs::path temporary = output;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << content;
        out.close();
        if (!out)
            return false;
    }
    std::error_code error;
    fs::rename(temporary, output, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char ** argv) {
    if (argc != 3) {
        std::cerr << "usage: rescomp <resources folder> <output .cpp>\n";
        return 2;
    }
    try {
        ResourceCompiler compiler;
        compiler.CompileFolder(argv[1]);
        std::ostringstream source;
        compiler.WriteSource(source, argv[1]);
        if (!WriteFile(argv[2], source.str())) {
            std::cerr << argv[2] << ": error: cannot write the file\n";
            return 1;
        }
    } catch (CompileError const & error) {
        std::cerr << error.what() << "\n";
        return 1;
    } catch (std::exception const & error) {
        std::cerr << argv[1] << ": error: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
