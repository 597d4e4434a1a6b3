// Writes the seed corpus of the template reader target: the embedded form
// template itself, and each of its windows as a template of its own, once
// complete and once without the kinds' stored data and mouse pointers.
// The small seeds let the fuzzer reach every record type quickly; the whole
// template keeps it anchored to the real layout.
//
// Usage: template_fuzz_seeds <directory>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "embedded/embedded_template.h"
#include "forms/template.h"
#include "forms/template_writer.h"

namespace {

bool WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

// The window with every unit's kind data and mouse pointer left empty.
forms::WindowRecord Bare(forms::WindowRecord window) {
    for (forms::Unit& unit : window.units) {
        if (auto* control = std::get_if<forms::UnitRecord>(&unit)) {
            control->kindData.clear();
            control->mousePointer.clear();
        }
    }
    return window;
}

bool WriteWindowSeeds(const std::filesystem::path& directory, const forms::TemplateData& data) {
    bool ok = true;
    for (size_t index = 0; index < data.windows.size(); ++index) {
        const std::string stem = "window_" + std::to_string(index);
        const forms::TemplateData whole{{data.windows[index]}};
        const forms::TemplateData bare{{Bare(data.windows[index])}};
        ok = WriteFile(directory / (stem + ".bin"), forms::WriteTemplate(whole)) && ok;
        ok = WriteFile(directory / (stem + "_bare.bin"), forms::WriteTemplate(bare)) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);
    const std::span<const uint8_t> embedded = embedded::EmbeddedTemplate();
    const std::optional<forms::TemplateData> data = forms::ParseTemplate(embedded);
    if (!data) {
        std::fprintf(stderr, "the embedded template does not parse\n");
        return 1;
    }
    const bool ok =
        WriteFile(directory / "real_template.bin", embedded) && WriteWindowSeeds(directory, *data);
    if (!ok) std::fprintf(stderr, "cannot write the seeds into %s\n", argv[1]);
    return ok ? 0 : 1;
}
