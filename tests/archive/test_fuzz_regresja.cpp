// Every seed and every input that ever made the KVR fuzz target fail, replayed
// through its entry point: a crash or an abort fails this test.
#include <gtest/gtest.h>

#include <filesystem>

#include "wspolne/testy.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar);

namespace {

TEST(FuzzKvr, KorpusIRegresjePrzechodzaBezBledu) {
    int pliki = 0;
    for (const char* podkatalog : {"korpus", "regresja"}) {
        const std::filesystem::path katalog = std::filesystem::path(RAMVEL_FUZZ_KVR) / podkatalog;
        if (!std::filesystem::is_directory(katalog))
            continue;
        for (const auto& wpis : std::filesystem::directory_iterator(katalog)) {
            if (!wpis.is_regular_file() || wpis.path().filename().string().front() == '.')
                continue;
            const std::string bajty = ramvel::testy::CzytajPlik(wpis.path().string());
            EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bajty.data()), bajty.size()), 0)
                << wpis.path();
            ++pliki;
        }
    }
    EXPECT_GT(pliki, 0);
}

}  // namespace
