// make_template_folders DIR: makes one data folder of each content level under DIR, which every
// TempDataFolder of the test binaries copies instead of building its own. Run by the build.
#include "TempDataFolder.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_template_folders DIR\n";
        return 2;
    }
    const std::string root = argv[1];
    std::error_code error;
    std::filesystem::remove_all(root, error);
    for (auto content : { pelinor::DataFolderContent::TablesOnly, pelinor::DataFolderContent::FirstRows,
             pelinor::DataFolderContent::Library, pelinor::DataFolderContent::Demo }) {
        const auto made = pelinor::createDataFolder(pelinor::test::templateFolderIn(root, content), content);
        if (!made.ok()) {
            std::cerr << "make_template_folders: " << made.message() << "\n";
            return 1;
        }
    }
    std::ofstream(root + "/made") << "the data folders TempDataFolder copies\n";
    return 0;
}
