#include "app/SettingsBlock.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Int32Bytes(int32_t value)
{
    Bytes out(4);
    std::memcpy(out.data(), &value, 4);
    return out;
}

Bytes Marker(std::size_t length = 20)
{
    return Bytes(length, 'D');
}

// A record field as build mode writes it, followed by its length field.
Bytes RecordField(const std::wstring& text)
{
    Bytes out;
    for (wchar_t c : text) {
        out.push_back(static_cast<uint8_t>(c & 0xFF));
        out.push_back(static_cast<uint8_t>(c >> 8));
    }
    out.push_back(0);
    out.push_back(0);
    return Concat(out, Int32Bytes(static_cast<int32_t>(out.size())));
}

const Bytes kProgram = {'M', 'Z', 0x90, 0x00, 0x03, 0x00, 0x00, 0x00, 0x04, 0x00};

} // namespace

TEST(SettingsBlockEncode, TwoRecordsGiveTheFortyEightBytesOfTheBlockFormat)
{
    const Bytes expected = {
        'A', 0, '=', 0, '1', 0, 0, 0, 8, 0, 0, 0, // A=1, NUL, length 8
        'B', 0, '=', 0, '2', 0, 0, 0, 8, 0, 0, 0, // B=2, NUL, length 8
        2, 0, 0, 0,                               // count
        'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D',
        'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D', 'D'};
    EXPECT_EQ(SettingsBlock::Encode({L"A=1", L"B=2"}), expected);
}

TEST(SettingsBlockParse, ListsTheLastWrittenRecordFirst)
{
    const Bytes file = Concat(kProgram, SettingsBlock::Encode({L"A=1", L"B=2", L"WID=x=y"}));
    const auto records = SettingsBlock::Parse(file);
    ASSERT_TRUE(records);
    EXPECT_EQ(*records, (std::vector<std::wstring>{L"WID=x=y", L"B=2", L"A=1"}));
}

TEST(SettingsBlockParse, PassesOverDataAppendedBehindTheMarker)
{
    Bytes certificate = {0, 0, 0x30, 0x82, 0x05, 0xA1, 'D', 'D', 'D', 0x02};
    certificate = Concat(certificate, Marker(19)); // a run of 19 is no marker
    certificate.push_back(0x01);
    const Bytes file = Concat(Concat(kProgram, SettingsBlock::Encode({L"COUNTRY_ISO2=de"})), certificate);
    const auto records = SettingsBlock::Parse(file);
    ASSERT_TRUE(records);
    EXPECT_EQ(*records, std::vector<std::wstring>{L"COUNTRY_ISO2=de"});
}

TEST(SettingsBlockParse, NonAsciiTextSurvivesTheRoundTrip)
{
    const std::wstring text = L"THANKYOU_LINK=http://example.test/d\u00FCsseldorf/\u65E5\u672C";
    const auto records = SettingsBlock::Parse(Concat(kProgram, SettingsBlock::Encode({text})));
    ASSERT_TRUE(records);
    EXPECT_EQ(*records, std::vector<std::wstring>{text});
}

struct ParseCase
{
    const char* name;
    Bytes file;
    std::optional<std::vector<std::wstring>> expected;
};

class SettingsBlockParseCases : public testing::TestWithParam<ParseCase>
{};

TEST_P(SettingsBlockParseCases, GivesTheListTheRulesSay)
{
    EXPECT_EQ(SettingsBlock::Parse(GetParam().file), GetParam().expected) << GetParam().name;
}

std::vector<ParseCase> MakeParseCases()
{
    const Bytes a = RecordField(L"A=1");
    const Bytes b = RecordField(L"B=2");
    const Bytes c = RecordField(L"C=3");
    std::vector<ParseCase> cases;
    cases.push_back({"no marker", kProgram, std::nullopt});
    cases.push_back({"empty file", {}, std::nullopt});
    cases.push_back({"marker without room for a count", Marker(), std::nullopt});
    cases.push_back({"23 bytes", Concat(Bytes{1, 2, 3}, Marker()), std::nullopt});
    cases.push_back({"count 0", Concat(Concat(kProgram, Int32Bytes(0)), Marker()),
                     std::vector<std::wstring>{}});
    cases.push_back({"count -5", Concat(Concat(kProgram, Int32Bytes(-5)), Marker()),
                     std::vector<std::wstring>{}});
    cases.push_back({"count smaller than the records written",
                     Concat(Concat(Concat(Concat(kProgram, a), b), Int32Bytes(1)), Marker()),
                     std::vector<std::wstring>{L"B=2"}});
    {
        Bytes eleven = kProgram;
        for (int i = 0; i < 11; ++i)
            eleven = Concat(eleven, a);
        cases.push_back({"count 11", Concat(Concat(eleven, Int32Bytes(11)), Marker()), std::nullopt});
        Bytes ten = kProgram;
        for (int i = 0; i < 10; ++i)
            ten = Concat(ten, a);
        cases.push_back({"count 10", Concat(Concat(ten, Int32Bytes(10)), Marker()),
                         std::vector<std::wstring>(10, L"A=1")});
    }
    cases.push_back({"a 'D' right after the marker shifts the count",
                     Concat(Concat(Concat(kProgram, a), Int32Bytes(1)), Marker(21)), std::nullopt});
    cases.push_back({"a run of 19 is no marker",
                     Concat(Concat(Concat(kProgram, a), Int32Bytes(1)), Marker(19)), std::nullopt});
    {
        // A zero and a negative length consume only their length field.
        Bytes file = Concat(kProgram, a);
        file = Concat(file, Int32Bytes(0));
        file = Concat(file, Int32Bytes(-8));
        file = Concat(Concat(file, Int32Bytes(3)), Marker());
        cases.push_back({"lengths 0 and negative", file, std::vector<std::wstring>{L"A=1"}});
    }
    {
        // Odd length: the text ends after the last whole code unit.
        Bytes file = kProgram;
        file.insert(file.end(), {'X', 0, '=', 0, '9'});
        file = Concat(Concat(Concat(file, Int32Bytes(5)), Int32Bytes(1)), Marker());
        cases.push_back({"odd length", file, std::vector<std::wstring>{L"X="}});
    }
    {
        // A text without its NUL ends with its length.
        Bytes file = kProgram;
        file.insert(file.end(), {'K', 0, '=', 0, 'v', 0});
        file = Concat(Concat(Concat(file, Int32Bytes(6)), Int32Bytes(1)), Marker());
        cases.push_back({"no NUL", file, std::vector<std::wstring>{L"K=v"}});
    }
    cases.push_back({"length past the start of the file",
                     Concat(Concat(Concat(Bytes{'Z', 0}, Int32Bytes(400)), Int32Bytes(1)), Marker()),
                     std::nullopt});
    cases.push_back({"length fields past the start of the file",
                     Concat(Concat(Bytes{0, 0}, Int32Bytes(3)), Marker()), std::nullopt});
    cases.push_back({"the last marker counts",
                     Concat(Concat(Concat(Concat(Concat(kProgram, a), Int32Bytes(1)), Marker()),
                                   Concat(c, Int32Bytes(1))),
                            Marker()),
                     std::vector<std::wstring>{L"C=3"}});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsBlockParseCases, testing::ValuesIn(MakeParseCases()),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(SettingsBlockSplit, KeyInUpperCaseValueAsWritten)
{
    const auto record = SettingsBlock::SplitRecord(L"country_iso2=us");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->key, L"COUNTRY_ISO2");
    EXPECT_EQ(record->value, L"us");

    const auto nested = SettingsBlock::SplitRecord(L"Download_Link=http://h/p?a=b");
    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->key, L"DOWNLOAD_LINK");
    EXPECT_EQ(nested->value, L"http://h/p?a=b");

    const auto empty = SettingsBlock::SplitRecord(L"WID=");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->value, L"");

    EXPECT_FALSE(SettingsBlock::SplitRecord(L"no equals sign"));
}
