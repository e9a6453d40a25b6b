// Publishes the benchmark project once into a folder and prints how long the
// publication took, so that a script can compare it with copying the site and
// measure the whole process's peak memory.
//   publish_once SHOTS SITE_FOLDER [plain]

#include <chrono>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "bench/benchproject.h"
#include "publish/htmpublish.h"

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: publish_once SHOTS SITE_FOLDER [plain]\n";
        return 2;
    }
    try {
        sw::ProjectDocument project = sw::bench::MakeProject(std::stoll(argv[1]));
        project.HTMPrefs.pageSpecs.noJSPlan = argc == 4 && std::string(argv[3]) == "plain";
        const std::filesystem::path site = argv[2];
        std::filesystem::create_directories(site);

        const auto start = std::chrono::steady_clock::now();
        sw::THTMPublish publisher(project, site);
        publisher.SetDates({"08/12/2026", "Mardi, 08/12/2026  21:05:00"});
        publisher.Publish();
        const auto elapsed = std::chrono::steady_clock::now() - start;

        std::cout << std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "publish_once: " << error.what() << "\n";
        return 1;
    }
}
