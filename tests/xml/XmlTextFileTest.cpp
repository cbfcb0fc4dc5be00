// Reading a whole file for Load.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "xml/XmlDocument.h"

namespace {

TEST(XmlTextFile, ReadsTheWholeFileAndReportsItsSize) {
    const std::string path = testing::TempDir() + "xml_text_file.xml";
    const std::string content("<a>1</a>\0<b/>", 13);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);

    std::string text, status;
    ASSERT_TRUE(CXmlDocument::ReadTextFile(path.c_str(), text, &status));
    EXPECT_EQ(text, content);
    EXPECT_EQ(status, "13 bytes");
    EXPECT_TRUE(CXmlDocument::ReadTextFile(path.c_str(), text));
    CXmlDocument doc;
    EXPECT_TRUE(doc.Load(text));  // up to the zero byte
    std::remove(path.c_str());
}

TEST(XmlTextFile, MissingFileGivesTheLibraryError) {
    std::string text = "old", status;
    EXPECT_FALSE(CXmlDocument::ReadTextFile("no/such/file.xml", text, &status));
    EXPECT_EQ(status, std::strerror(ENOENT));
    EXPECT_EQ(text, "");
}

}  // namespace
