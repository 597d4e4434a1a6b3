// The build-time template compiler: reads the image files, builds the three
// windows from their descriptions, serialises them to the template's bytes,
// checks that the bytes read back, and writes them as a C++ source (and, on
// request, as a raw file).
//
//   template_compiler --logo company_logo.jpg --hygrometer hygrometer.jpg
//                     --icon program.ico --source embedded_template.cpp
//                     [--binary form_template.bin]

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "forms/template_writer.h"
#include "tools/template_compiler/embedded_source.h"
#include "windows/main_window.h"
#include "windows/main_window_builder.h"

namespace {

using Options = std::map<std::string, std::string>;

constexpr const char* kUsage =
    "usage: template_compiler --logo FILE --hygrometer FILE --icon FILE --source OUT.cpp "
    "[--binary OUT.bin]\n";

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0) throw std::runtime_error("unexpected argument " + name);
        options[name.substr(2)] = argv[i + 1];
    }
    if (argc % 2 == 0) throw std::runtime_error("an option lacks its value");
    for (const char* required : {"logo", "hygrometer", "icon", "source"}) {
        if (!options.contains(required))
            throw std::runtime_error(std::string("missing --") + required);
    }
    return options;
}

forms::Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return forms::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes beside the target and renames, so that a failed run never leaves a
// half-written output for the build to pick up.
void WriteFile(const std::string& path, const void* data, size_t size) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, path);
}

void Compile(const Options& options) {
    const windows::AssetFiles assets{.companyLogo = ReadFile(options.at("logo")),
                                     .hygrometer = ReadFile(options.at("hygrometer")),
                                     .programIcon = ReadFile(options.at("icon"))};
    const forms::Bytes bytes =
        forms::WriteTemplate(windows::BuildTemplate(windows::FormWindows(), assets));
    if (!forms::ParseTemplate(bytes)) {
        throw std::runtime_error("the written template does not read back");
    }
    const std::string source = template_compiler::EmbeddedSource(bytes);
    WriteFile(options.at("source"), source.data(), source.size());
    if (options.contains("binary")) WriteFile(options.at("binary"), bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Compile(ParseOptions(argc, argv));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "template_compiler: %s\n%s", error.what(), kUsage);
        return 1;
    }
}
