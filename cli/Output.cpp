#include "cli/Output.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace pelmora::cli {
namespace {

void write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

void setUpStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

void printRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        for (const char c : cells.at(i)) {
            const auto byte = static_cast<unsigned char>(c);
            line += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
    }
    line += '\n';
    write(stdout, line);
}

void printText(const QString& text) {
    write(stdout, (text + u'\n').toStdString());
}

void printMessage(const QString& message) {
    write(stderr, (message + u'\n').toStdString());
}

bool outputWritten() {
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

} // namespace pelmora::cli
