// File handles with share modes, attributes, folder listing and paths, on real files in a scratch folder.
#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace win {
namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "glyphloom-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Path(const std::string& name) const { return m_folder + "/" + name; }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    HANDLE Open(const std::string& name, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) const {
        return CreateFile(Path(name).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    }
    std::vector<std::string> List(const std::string& pattern) const {
        std::vector<std::string> names;
        WIN32_FIND_DATA data;
        HANDLE find = FindFirstFile(Path(pattern).c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return names;
        do names.push_back(data.cFileName);
        while (FindNextFile(find, &data));
        EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
        EXPECT_TRUE(FindClose(find));
        return names;
    }

    std::string m_folder;
};

TEST_F(FilesTest, AReaderThatSharesOnlyReadingDeniesWriters) {
    Put("a.bmp", "BM");
    HANDLE reader = Open("a.bmp", GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    HANDLE second = Open("a.bmp", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_NE(second, INVALID_HANDLE_VALUE) << "other readers are welcome";

    EXPECT_EQ(Open("a.bmp", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(Open("a.bmp", GENERIC_READ, 0), INVALID_HANDLE_VALUE) << "an exclusive open must wait for both";
    EXPECT_EQ(Open("a.bmp", GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::filesystem::file_size(Path("a.bmp")), 2u) << "a refused open must not truncate";

    EXPECT_TRUE(CloseHandle(reader));
    EXPECT_TRUE(CloseHandle(second));
    HANDLE writer = Open("a.bmp", GENERIC_WRITE, 0);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE) << "the file is free once the readers are gone";
    EXPECT_EQ(Open("a.bmp", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(writer));
}

TEST_F(FilesTest, ReadWriteSeekAndSize) {
    HANDLE file = Open("data", GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    ASSERT_TRUE(WriteFile(file, "0123456789", 10, &done, nullptr));
    EXPECT_EQ(done, 10u);
    LARGE_INTEGER move, position;
    move.QuadPart = -3;
    ASSERT_TRUE(SetFilePointerEx(file, move, &position, FILE_END));
    EXPECT_EQ(position.QuadPart, 7);
    char buffer[16] = {};
    ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr))
        << "a short read at the end is no error";
    EXPECT_EQ(done, 3u);
    EXPECT_EQ(std::string(buffer, done), "789");
    ASSERT_TRUE(ReadFile(file, buffer, 4, &done, nullptr));
    EXPECT_EQ(done, 0u);

    move.QuadPart = -1;
    EXPECT_FALSE(SetFilePointerEx(file, move, &position, FILE_BEGIN));
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
    move.QuadPart = 4;
    ASSERT_TRUE(SetFilePointerEx(file, move, &position, FILE_BEGIN));
    EXPECT_EQ(position.QuadPart, 4);
    ASSERT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(std::filesystem::file_size(Path("data")), 4u);
    EXPECT_TRUE(CloseHandle(file));

    EXPECT_FALSE(ReadFile(file, buffer, 1, &done, nullptr)) << "a closed handle is stale";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(file));

    HANDLE readOnly = Open("data", GENERIC_READ, FILE_SHARE_READ);
    EXPECT_FALSE(WriteFile(readOnly, "x", 1, &done, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(ReadFile(readOnly, nullptr, 1, &done, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    CloseHandle(readOnly);
}

TEST_F(FilesTest, OpenFailuresAndDispositions) {
    EXPECT_EQ(Open("missing.bmp", GENERIC_READ, FILE_SHARE_READ), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Open("no/such/folder.bmp", GENERIC_READ, FILE_SHARE_READ), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    std::filesystem::create_directory(Path("sub"));
    EXPECT_EQ(Open("sub", GENERIC_READ, FILE_SHARE_READ), INVALID_HANDLE_VALUE) << "folders are not files";
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(CreateFile("", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(Open("x", GENERIC_READ, 0, 99), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    Put("old", "old contents");
    EXPECT_EQ(Open("old", GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    HANDLE file = Open("old", GENERIC_WRITE, 0, CREATE_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS) << "success, but the file was there";
    EXPECT_EQ(std::filesystem::file_size(Path("old")), 0u);
    CloseHandle(file);
    file = Open("new", GENERIC_WRITE, 0, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(file);
}

TEST_F(FilesTest, Attributes) {
    Put("plain.bmp", "x");
    Put(".hidden", "x");
    std::filesystem::create_directory(Path("sub"));
    EXPECT_EQ(GetFileAttributes(Path("plain.bmp").c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributes(Path("sub").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributes(Path("sub/").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(GetFileAttributes(Path(".hidden").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(GetFileAttributes(Path("gone").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributes(Path("gone/x").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(FilesTest, FolderListingMatchesWithoutCaseInAFixedOrder) {
    for (const char* name : {"b.BMP", "a.bmp", "c.txt", "README", "图片.bmp"}) Put(name, "12345");
    std::filesystem::create_directory(Path("sub"));

    EXPECT_EQ(List("*.bmp"), (std::vector<std::string>{"a.bmp", "b.BMP", "图片.bmp"}));
    EXPECT_EQ(List("*"),
              (std::vector<std::string>{".", "..", "a.bmp", "b.BMP", "c.txt", "README", "sub", "图片.bmp"}));
    EXPECT_EQ(List("*.*"), List("*")) << "*.* also matches names without a dot";
    EXPECT_EQ(List("README.*"), (std::vector<std::string>{"README"}));
    EXPECT_EQ(List("??.bmp"), (std::vector<std::string>{"图片.bmp"})) << "? is one character, not one byte";
    EXPECT_EQ(List("?.b*"), (std::vector<std::string>{"a.bmp", "b.BMP"}));
    EXPECT_EQ(List("c.txt"), (std::vector<std::string>{"c.txt"}));

    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile(Path("s*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "sub");
    EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);
    FindClose(find);
    find = FindFirstFile(Path("a.bmp").c_str(), &data);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
    FindClose(find);
    EXPECT_FALSE(FindClose(find));
    EXPECT_FALSE(FindNextFile(find, &data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

    EXPECT_EQ(FindFirstFile(Path("*.ico").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirstFile(Path("none/*").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(FilesTest, FullPathsAndTheCurrentFolder) {
    char previous[4096];
    ASSERT_GT(GetCurrentDirectory(sizeof previous, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectory(m_folder.c_str()));
    const std::string canonical = std::filesystem::canonical(m_folder).string();

    char buffer[4096];
    LPSTR filePart = nullptr;
    DWORD length = GetFullPathName("x/../pic.bmp", sizeof buffer, buffer, &filePart);
    EXPECT_EQ(std::string(buffer), canonical + "/pic.bmp");
    EXPECT_EQ(length, canonical.size() + 8);
    EXPECT_STREQ(filePart, "pic.bmp");
    EXPECT_EQ(GetFullPathName("/a//b/./c/../d.bmp", sizeof buffer, buffer, nullptr), 10u);
    EXPECT_STREQ(buffer, "/a/b/d.bmp") << "never above the root";
    EXPECT_EQ(GetFullPathName("/../..", sizeof buffer, buffer, nullptr), 1u);
    EXPECT_STREQ(buffer, "/");
    EXPECT_EQ(GetFullPathName("/a/b/", sizeof buffer, buffer, &filePart), 5u);
    EXPECT_EQ(filePart, nullptr) << "a folder path has no file part";

    char small[4] = "abc";
    EXPECT_EQ(GetFullPathName("/abcdef", sizeof small, small, nullptr), 8u)
        << "the size needed, zero included";
    EXPECT_STREQ(small, "abc") << "a short buffer is left alone";
    EXPECT_EQ(GetFullPathName("", sizeof buffer, buffer, nullptr), 0u);

    EXPECT_EQ(GetCurrentDirectory(0, nullptr), canonical.size() + 1);
    EXPECT_FALSE(SetCurrentDirectory("no-such-folder"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(SetCurrentDirectory(previous));
}

TEST(FilePaths, TheExecutable) {
    char path[4096];
    const DWORD length = GetModuleFileName(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(path, length), std::filesystem::read_symlink("/proc/self/exe").string());
    char small[5];
    EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof small), sizeof small);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::string(small), std::string(path, 4)) << "cut short but zero-terminated";
}

} // namespace
} // namespace win
