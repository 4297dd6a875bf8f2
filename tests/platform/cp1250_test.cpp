#include <QStringDecoder>
#include <QStringEncoder>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/cp1250.h"

namespace ramvel {
namespace {

// Qt's ICU-backed codec is the reference for every assigned byte; the five
// unassigned ones decode to the C1 control of the same value, as on Windows.
TEST(Cp1250, KazdyBajtJakWKodekuQt) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        const std::string nasz = Cp1250NaUtf8(bajt);
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) {
            std::string oczekiwany;
            DopiszUtf8(oczekiwany, static_cast<char32_t>(b));
            EXPECT_EQ(nasz, oczekiwany) << std::hex << b;
        } else {
            QStringDecoder dekoder("windows-1250");
            ASSERT_TRUE(dekoder.isValid());
            const QString qt = dekoder(QByteArray(bajt.data(), 1));
            EXPECT_EQ(nasz, qt.toStdString()) << std::hex << b;
        }
        EXPECT_EQ(Utf8NaCp1250(nasz), bajt) << std::hex << b;
    }
}

TEST(Cp1250, PolskieLiteryIZnakiSpozaStrony) {
    const std::string polskie = "zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ";
    const auto bajty = Utf8NaCp1250(polskie);
    ASSERT_TRUE(bajty);
    EXPECT_EQ(static_cast<unsigned char>((*bajty)[2]), 0xBF);  // ż
    EXPECT_EQ(Cp1250NaUtf8(*bajty), polskie);
    EXPECT_EQ(Utf8NaCp1250("€"), std::string("\x80"));
    EXPECT_FALSE(Utf8NaCp1250("日本").has_value());
    EXPECT_FALSE(Utf8NaCp1250("\xC3").has_value());  // cut UTF-8
}

TEST(Cp1250, WielkieLiteryPolskie) {
    EXPECT_EQ(WielkieLitery("łódź ąćęłńóśźż abc"), "ŁÓDŹ ĄĆĘŁŃÓŚŹŻ ABC");
    EXPECT_EQ(WielkieLitery("šťžľŕ"), "ŠŤŽĽŔ");
    EXPECT_NE(WielkieLitery("łódź"), WielkieLitery("lodz"));
}

}  // namespace
}  // namespace ramvel
