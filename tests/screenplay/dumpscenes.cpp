// Prints the scenes ParseFountain finds in a screenplay file, one
// "number<TAB>heading" line each, for the cross-check against another
// Fountain parser (tests/e2e/fountain.test.mjs). Scenes before the first
// heading, which have none, are left out.
#include <cstdio>
#include <exception>
#include <iostream>

#include "model/filebytes.h"
#include "screenplay/fountain.h"
#include "screenplay/scripttext.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: dump_scenes FILE.fountain\n";
        return 2;
    }
    try {
        const sw::Screenplay screenplay = sw::ParseFountain(sw::ScriptTextAsUtf8(sw::ReadFileBytes(argv[1])));
        for (const sw::ScriptScene& scene : screenplay.scenes)
            if (!scene.heading.empty())
                std::cout << scene.number << '\t' << scene.heading << '\n';
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
