// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the definitions' data files, split at the first NUL byte: the first part
// as FreeDict's index and WordNet's index.noun, the rest as the dictzip articles and
// data.noun. Lookups end, read only inside the files, and find only whole entries.
#include "core/dictionary/Definitions.h"

#include "FuzzFiles.h"

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const std::string folder = [] {
        const std::string f = ScratchPath("definitions");
        mkdir(f.c_str(), 0700);
        for (const char* pos : {"noun", "verb", "adj", "adv"})
            for (const std::string name : {"index.", "data."})
                WriteScratch(f + "/" + name + pos, "x\n", 2);
        for (const char* pos : {"noun", "verb", "adj", "adv"})
            WriteScratch(f + "/" + pos + ".exc", "cats cat\n", 9);
        return f;
    }();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = std::min(input.find('\0'), input.size());
    const std::string_view index = input.substr(0, cut);
    const std::string_view rest = cut < size ? input.substr(cut + 1) : std::string_view();
    for (const char* name : {"/freedict-fra-eng.index", "/index.noun"})
        WriteScratch(folder + name, index.data(), index.size());
    for (const char* name : {"/freedict-fra-eng.dict.dz", "/data.noun"})
        WriteScratch(folder + name, rest.data(), rest.size());
    Definitions::Library library({folder, folder});
    for (const char* language : {"en", "fr"})
        for (const char* word : {"cat", "cats", "chat", "etre"}) {
            const Definitions::Definition d = library.Define(language, {word});
            if ((d.outcome == Definitions::Outcome::Found) == d.entries.empty())
                std::abort();
            for (const Definitions::Entry& e : d.entries)
                if (e.word.isEmpty() || e.senses.isEmpty() || e.senses.contains(QString()))
                    std::abort();
            Definitions::DefinitionText(d, true);
        }
    return 0;
}
