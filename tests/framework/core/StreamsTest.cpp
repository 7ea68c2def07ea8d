// Streams over memory and files: short reads, the sharing rule of a file opened for reading, open errors with
// the full path and the platform's text; file-name helpers.
#include "framework/core/Streams.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FileNames.h"
#include "framework/core/FileStream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace gl {
namespace {

TEST(MemoryStream, ReadsWritesSeeksAndShortReads) {
    TMemoryStream stream;
    stream.WriteBuffer("BM", 2);
    stream.SetPosition(6);
    stream.WriteBuffer("xy", 2);
    EXPECT_EQ(stream.Size(), 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), 8), std::string("BM\0\0\0\0xy", 8))
        << "a gap written past the end is zero";

    stream.SetPosition(5);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 3) << "a plain read just moves less";
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.SetPosition(5);
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    stream.Seek(-100, soCurrent);
    EXPECT_EQ(stream.Read(buffer, 1), 0) << "before the start there is nothing to read";
    stream.Seek(INT64_MAX, soCurrent);
    EXPECT_EQ(stream.Read(buffer, 1), 0);
    EXPECT_THROW(stream.WriteBuffer("z", 1), EStreamError) << "no write at an absurd position";
    EXPECT_THROW(stream.SetSize(std::int64_t{1} << 40), EStreamError);
    EXPECT_EQ(stream.Size(), 8);

    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 4) << "shrinking pulls the position back";
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
}

TEST(MemoryStream, CopyFromAndStringStreams) {
    TStringStream source("header+pixels");
    source.SetPosition(7);
    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 6), 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 6), "pixels");
    EXPECT_EQ(target.CopyFrom(source, 0), 13) << "count 0 copies the whole source";
    EXPECT_EQ(target.Size(), 19);
    source.SetPosition(10);
    EXPECT_THROW(target.CopyFrom(source, 5), EReadError);

    TStringStream text;
    text.WriteString("宋体");
    text.SetPosition(0);
    EXPECT_EQ(text.ReadString(100), "宋体");
    EXPECT_EQ(text.DataString(), "宋体");
}

class FileStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "glyphloom-streams-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = std::filesystem::canonical(pattern).string();
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::string Path(const std::string& name) const { return m_folder + "/" + name; }

    template <class E> std::string MessageOf(const std::string& fileName, std::uint32_t mode) const {
        try {
            TFileStream stream(fileName, mode);
        } catch (const E& e) {
            return e.Message();
        }
        return "no error";
    }

    std::string m_folder;
};

TEST_F(FileStreamTest, AFileOpenForReadingDeniesWritersWithAReadableMessage) {
    std::ofstream(Path("pic.bmp")) << "BM";
    TFileStream reader(Path("pic.bmp"), fmOpenRead | fmShareDenyWrite);
    TFileStream secondReader(Path("pic.bmp"), fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(MessageOf<EFOpenError>(Path("pic.bmp"), fmOpenWrite | fmShareDenyNone),
              "Cannot open file \"" + Path("pic.bmp") +
                  "\". The process cannot access the file because it is being used by another process");
    EXPECT_EQ(MessageOf<EFCreateError>(Path("pic.bmp"), fmCreate),
              "Cannot create file \"" + Path("pic.bmp") +
                  "\". The process cannot access the file because it is being used by another process");

    char buffer[4] = {};
    EXPECT_EQ(reader.Read(buffer, 4), 2);
    EXPECT_EQ(std::string(buffer), "BM");
    EXPECT_EQ(reader.Size(), 2);
    EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError) << "a stream opened for reading does not write";
}

TEST_F(FileStreamTest, OpenErrorsNameTheFullPath) {
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(m_folder.c_str()), 0);
    std::filesystem::create_directory(Path("sub"));
    EXPECT_EQ(MessageOf<EFOpenError>("sub/../missing.bmp", fmOpenRead | fmShareDenyWrite),
              "Cannot open file \"" + Path("missing.bmp") + "\". The system cannot find the file specified");
    EXPECT_EQ(MessageOf<EFOpenError>("none/x.bmp", fmOpenRead),
              "Cannot open file \"" + Path("none/x.bmp") + "\". The system cannot find the path specified");
    std::filesystem::create_directory(Path("folder.bmp"));
    EXPECT_EQ(MessageOf<EFOpenError>("folder.bmp", fmOpenRead),
              "Cannot open file \"" + Path("folder.bmp") + "\". Access is denied");
    ASSERT_EQ(::chdir(previous), 0);
}

TEST_F(FileStreamTest, CreateWriteAndReadBack) {
    {
        TMemoryStream data;
        data.WriteBuffer("0123456789", 10);
        data.SaveToFile(Path("out.bin"));
    }
    TMemoryStream loaded;
    loaded.LoadFromFile(Path("out.bin"));
    EXPECT_EQ(loaded.Size(), 10);
    EXPECT_EQ(loaded.Position(), 0);

    TFileStream file(Path("out.bin"), fmOpenReadWrite | fmShareExclusive);
    EXPECT_EQ(file.Seek(-4, soEnd), 6);
    file.SetSize(3);
    EXPECT_EQ(file.Size(), 3);
    EXPECT_EQ(file.FileName(), Path("out.bin"));
}

TEST(FileNames, PartsOfANameAndExistence) {
    EXPECT_EQ(ExtractFileExt("/a/b.c/Tarnwick.BMP"), ".BMP");
    EXPECT_EQ(ExtractFileExt("/a/b.c/Tarnwick"), "") << "a dot in a folder name is not an extension";
    EXPECT_EQ(ExtractFileName("/a/b/pic.bmp"), "pic.bmp");
    EXPECT_EQ(ExtractFilePath("/a/b/pic.bmp"), "/a/b/");
    EXPECT_EQ(ExtractFileDir("/a/b/pic.bmp"), "/a/b");
    EXPECT_EQ(ExtractFileDir("/pic.bmp"), "/");
    EXPECT_EQ(ChangeFileExt("/a/GLYPH.loom", ""), "/a/GLYPH");
    EXPECT_EQ(ChangeFileExt("pic", ".bmp"), "pic.bmp");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");

    const std::string exe = GetModuleName();
    EXPECT_EQ(exe, std::filesystem::read_symlink("/proc/self/exe").string());
    EXPECT_TRUE(FileExists(exe));
    EXPECT_FALSE(FileExists(ExtractFileDir(exe)));
    EXPECT_TRUE(DirectoryExists(ExtractFileDir(exe)));
    EXPECT_EQ(ExpandFileName("/x/./y/../z"), "/x/z");
    EXPECT_EQ(ExpandFileName("rel"), IncludeTrailingPathDelimiter(GetCurrentDir()) + "rel");
}

} // namespace
} // namespace gl
