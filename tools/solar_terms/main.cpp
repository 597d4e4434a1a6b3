// Writes the solar-term table of lunar/solar_terms.inc.
//
//     solar_term_generator OUTPUT [DELTA_T_CSV TAI_UTC_CSV]
//
// The time-scale tables default to the ones beside this source file.

#include <exception>
#include <fstream>
#include <iostream>

#include "tools/solar_terms/table_writer.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::cerr << "usage: " << argv[0] << " OUTPUT [DELTA_T_CSV TAI_UTC_CSV]\n";
        return 2;
    }
    try {
        const solar_terms::TimeScales scales(argc == 4 ? argv[2] : SOLAR_TERMS_DELTA_T_CSV,
                                             argc == 4 ? argv[3] : SOLAR_TERMS_TAI_UTC_CSV);
        std::ofstream out(argv[1]);
        solar_terms::WriteSolarTermTable(out, scales);
        if (!out.flush()) {
            std::cerr << "cannot write " << argv[1] << '\n';
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
