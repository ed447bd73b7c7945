// velmorantes-fit: fits the correlation coefficients from the reference tables and writes
// the runtime correlation tables and the fit report into the source tree.

#include "tools/fit/Fit.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: velmorantes-fit [--root DIR] [--check]\n"
                 "  --root DIR  source tree to read data/reference from and write into\n"
                 "              (default " VELM_SOURCE_DIR ")\n"
                 "  --check     only compare the committed files with a fresh fit; exit 1 if "
                 "they differ\n";
    return 2;
}

// Written aside and renamed into place: an interrupted run never leaves half a file.
bool writeFile(const std::filesystem::path& file, const std::string& text) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::filesystem::path aside = file;
    aside += ".new";
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            std::filesystem::remove(aside, ec);
            return false;
        }
    }
    std::filesystem::rename(aside, file, ec);
    if (!ec) return true;
    std::filesystem::remove(aside, ec);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path root = VELM_SOURCE_DIR;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check") {
            check = true;
        } else if (arg == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else {
            return usage();
        }
    }

    velm::fit::FitResult result;
    try {
        result = velm::fit::fitAll(root);
        const std::pair<std::string_view, std::string> outputs[] = {
            {velm::fit::kGeneratedSourcePath, velm::fit::renderCorrelationSource(result)},
            {velm::fit::kReportPath, velm::fit::renderReport(result)},
        };
        int status = 0;
        for (const auto& [relative, text] : outputs) {
            const std::filesystem::path file = root / relative;
            if (check) {
                if (velm::fit::readTextFile(file) != text) {
                    std::cerr << file.string() << " differs from a fresh fit\n";
                    status = 1;
                }
            } else if (!writeFile(file, text)) {
                std::cerr << "cannot write " << file.string() << "\n";
                status = 2;
            }
        }
        if (check && status == 0) std::cout << "generated files are up to date\n";
        return status;
    } catch (const velm::fit::FitError& e) {
        std::cerr << "velmorantes-fit: " << e.what() << "\n";
        return 2;
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << "velmorantes-fit: " << e.what() << "\n";
        return 2;
    }
}
