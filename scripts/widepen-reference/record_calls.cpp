// Writes the pen calls of every wide-pen reference case into a folder, with the job list
// the Windows replay program reads. See README.md next to this file.
#include "render/WidePenReferenceCases.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: widepen-record-calls FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::ofstream jobs(folder + "/jobs.txt");
    for (const veltmoor::widepen::ReferenceCase& referenceCase :
         veltmoor::widepen::referenceCases()) {
        const std::string callsName = referenceCase.name + ".calls";
        std::ofstream calls(folder + "/" + callsName);
        calls << veltmoor::widepen::penCallsText(referenceCase);
        if (!calls.flush()) {
            std::cerr << "cannot write " << folder << "/" << callsName << "\n";
            return 1;
        }
        for (const int penWidth : veltmoor::widepen::kPenWidths) {
            jobs << callsName << ' ' << penWidth << ' '
                 << veltmoor::widepen::referencePictureName(referenceCase, penWidth) << '\n';
        }
    }
    if (!jobs.flush()) {
        std::cerr << "cannot write " << folder << "/jobs.txt\n";
        return 1;
    }
    return 0;
}
