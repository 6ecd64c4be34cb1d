// AOL favorite places. No real personal filing cabinet could be found, so the
// cabinets here are made by the tests from the format's public description:
// the "AOLVM100" magic, the record table's offset at 16, the table header
// with its signature and offsets from 24 on, records with their type at 8,
// name at 26 and folder number at 126, and data records with the address.
#include <gtest/gtest.h>

#include "exchange/aol_favorites.h"
#include "exchange_test_support.h"

using exchange_testing::CLoadedList;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

// The table comes first and the records after it, so that cutting a cabinet
// short cuts its records and keeps the table pointing at them.
class CCabinetMaker {
public:
    void Folder(const std::string& name, std::uint32_t number) { Add(Record(1, name, number)); }
    void Place(const std::string& name, std::uint32_t number, const std::string& address) {
        PlaceWithData(name, number, address, static_cast<int>(address.size()), false);
    }
    // The data record holds `length` as its length byte; a marker data record keeps the address at 40.
    void PlaceWithData(const std::string& name, std::uint32_t number, const std::string& address, int length,
                       bool marker) {
        Add(Record(2, name, number));
        std::string data(marker ? 40 : 8, '\0');
        if (marker) data.replace(8, 3, "AOL");
        data[data.size() - 4] = static_cast<char>(length);
        Add(data + address + '\0');
    }
    void Marker() { Add(std::string(8, '\0') + "AOL" + std::string(20, '\0')); }
    void Entry(std::uint32_t offset) { table_.push_back({offset, false}); }

    std::string Bytes() const {
        std::string file = std::string("AOLVM100") + std::string(24, '\0');
        PutU32(file, 16, static_cast<std::uint32_t>(file.size()));
        std::string header(24, '\0');
        PutU32(header, 0, 0x00015352);
        file += header;
        auto base = static_cast<std::uint32_t>(file.size() + 4 * (table_.size() + 1));
        for (auto [offset, inBody] : table_) AppendU32(file, inBody ? base + offset : offset);
        AppendU32(file, 0);
        return file + body_;
    }

private:
    static std::string Record(std::uint16_t type, const std::string& name, std::uint32_t number) {
        std::string record(130, '\0');
        record[8] = static_cast<char>(type);
        record.replace(26, name.size(), name);
        PutU32(record, 126, number);
        return record;
    }
    static void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
    static void AppendU32(std::string& bytes, std::uint32_t value) {
        bytes.append(4, '\0');
        PutU32(bytes, bytes.size() - 4, value);
    }
    void Add(const std::string& record) {
        table_.push_back({static_cast<std::uint32_t>(body_.size()), true});
        body_ += record;
    }

    std::string body_;
    std::vector<std::pair<std::uint32_t, bool>> table_;  // offset, and whether it is into body_
};

Lines Import(const CCabinetMaker& cabinet) {
    std::string list;
    EXPECT_EQ(AolToList(cabinet.Bytes(), list), 0);
    return CLoadedList(list).Outline();
}

TEST(AolImport, EachFolderHasItsPlacesFirstAndDeeperFoldersBecomeSubcategories) {
    CCabinetMaker cabinet;
    cabinet.Marker();  // a marker first is no record
    cabinet.Place("Top place", 1, "http://top/");
    cabinet.Folder("Cat", 1);
    cabinet.Marker();  // after a folder, skipped with it
    cabinet.Place("in cat", 2, "http://cat/");
    cabinet.Folder("Sub", 2);
    cabinet.Place("in sub", 3, "http://sub/");
    cabinet.Folder("Deeper", 3);
    cabinet.Place("deep", 4, "http://deep/");
    cabinet.Place("in cat 2", 2, "http://cat2/");
    cabinet.Folder("Cat2", 1);
    cabinet.PlaceWithData("c2", 5, "http://c2/", 10, true);
    EXPECT_EQ(Import(cabinet),
              (Lines{"C Uncategorized", "S Uncategorized", "T Top place <http://top/>", "C Cat", "S Uncategorized",
                     "T in cat <http://cat/>", "T in cat 2 <http://cat2/>", "S Sub", "T in sub <http://sub/>",
                     "S Deeper", "T deep <http://deep/>", "C Cat2", "S Uncategorized", "T c2 <http://c2/>"}));
}

TEST(AolImport, AddressesEndAtTheirLengthOrAnEarlierNul) {
    CCabinetMaker cabinet;
    cabinet.PlaceWithData("exact", 1, "http://abcdefgh", 10, false);
    cabinet.PlaceWithData("nul", 1, std::string("http://x\0garbage", 16), 16, false);
    std::string long_address = "http://example.org/" + std::string(180, 'a');
    cabinet.PlaceWithData("long", 1, long_address, static_cast<int>(long_address.size()), false);
    EXPECT_EQ(Import(cabinet), (Lines{"C Uncategorized", "S Uncategorized", "T exact <http://abc>",
                                      "T nul <http://x>", "T long <" + long_address + ">"}));
}

TEST(AolImport, AStartingFolderNumberOfZeroStillWalksToTheEnd) {
    CCabinetMaker cabinet;
    cabinet.Place("top", 0, "http://top/");
    cabinet.Folder("F", 0);
    cabinet.Place("in F", 1, "http://f/");
    EXPECT_EQ(Import(cabinet), (Lines{"C Uncategorized", "S Uncategorized", "T top <http://top/>", "C F",
                                      "S Uncategorized", "T in F <http://f/>"}));
}

TEST(AolImport, NothingOutsideTheFileIsRead) {
    auto fails = [](const std::string& bytes) {
        std::string list;
        return AolToList(bytes, list) == -1;
    };
    CCabinetMaker good;  // table 32-67, record 68-197 (name at 94), data record 198-215
    good.Place("p", 1, "http://p/");
    const std::string bytes = good.Bytes();
    ASSERT_FALSE(fails(bytes));

    EXPECT_TRUE(fails("AOLVM101" + bytes.substr(8)));
    EXPECT_TRUE(fails(bytes.substr(0, 19)));
    std::string tableOutside = bytes;
    tableOutside[17] = '\x7F';
    EXPECT_TRUE(fails(tableOutside));
    std::string wrongSignature = bytes;
    wrongSignature[33] = 'X';
    EXPECT_TRUE(fails(wrongSignature));
    for (std::size_t cut : {150u, 200u, 210u})  // in the record, the data record, the address
        EXPECT_TRUE(fails(bytes.substr(0, cut))) << cut;

    CCabinetMaker unterminated;  // a name that runs into the end of the file
    unterminated.Folder(std::string(100, 'x'), 0x01010101);
    EXPECT_TRUE(fails(unterminated.Bytes()));
    CCabinetMaker outside;
    outside.Folder("f", 1);
    outside.Entry(0x7FFFFFFF);
    EXPECT_TRUE(fails(outside.Bytes()));
    CCabinetMaker lonePlace;  // a favorite place without its data record
    lonePlace.Place("p", 1, "http://p/");
    std::string cut = lonePlace.Bytes();
    cut.replace(60, 4, std::string(4, '\0'));  // the table ends after the place's own record
    EXPECT_TRUE(fails(cut));
    CCabinetMaker longAddress;
    longAddress.PlaceWithData("p", 1, "http://p/", 250, false);
    EXPECT_TRUE(fails(longAddress.Bytes()));
}

TEST(AolImport, AFailedImportWritesNothing) {
    ScratchFolder folder;
    WriteBytes(folder.Path("old.txt"), "<1>kept\r\n");
    WriteBytes(folder.Path("bad.pfc"), "AOLVM100 not really");
    EXPECT_EQ(ImportAol(folder.Path("old.txt"), folder.Path("bad.pfc")), -1);
    EXPECT_EQ(ReadBytes(folder.Path("old.txt")), "<1>kept\r\n");
    CCabinetMaker cabinet;
    cabinet.Folder("F", 1);
    WriteBytes(folder.Path("good.pfc"), cabinet.Bytes());
    EXPECT_EQ(ImportAol(folder.Path("old.txt"), folder.Path("good.pfc")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("old.txt")), "<1>F\r\n");
}

}  // namespace
