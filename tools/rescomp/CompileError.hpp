#pragma once

#include <stdexcept>
#include <string>

// A fault in a resource file, reported as "file:line: error: message" (or "file: error:
// message" when it concerns the whole file), the form editors and build logs link to.
class CompileError : public std::runtime_error {
public:
    CompileError(std::string const & file, int line, std::string const & message)
        : std::runtime_error(Format(file, line, message)) {}

private:
    static std::string Format(std::string const & file, int line, std::string const & message) {
        std::string text = file;
        if (line > 0)
            text += ":" + std::to_string(line);
        return text + ": error: " + message;
    }
};
