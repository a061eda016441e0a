// The version resources of Vellumet.exe and vellumet-gen.exe, read as
// Explorer reads them, name the product, its version and its maker as the
// build's facts give them. The programs are found in the folder that
// Win32Platform::ApplicationPath gives for this test, which is theirs.
#include "ProductFacts.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace vellumet;

TEST(VersionResource, NamesTheProductItsVersionAndMaker)
{
    const std::string version = VELLUMET_VERSION;
    const auto major = static_cast<WORD>(std::stoi(version.substr(0, version.find('.'))));
    for (const auto& [fileName, internalName] :
         {std::pair{"Vellumet.exe", "Vellumet"}, {"vellumet-gen.exe", "vellumet-gen"}}) {
        const std::wstring path = Wide(JoinPath(Win32Platform().ApplicationPath(), fileName));
        std::vector<BYTE> resource(GetFileVersionInfoSizeW(path.c_str(), nullptr));
        ASSERT_FALSE(resource.empty()) << Utf8(path) << " is missing or has no version resource";
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(resource.size()), resource.data()));

        VS_FIXEDFILEINFO* numbers = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(resource.data(), L"\\", reinterpret_cast<void**>(&numbers), &length));
        EXPECT_EQ(HIWORD(numbers->dwFileVersionMS), major) << fileName;
        EXPECT_EQ(numbers->dwProductVersionMS, numbers->dwFileVersionMS) << fileName;

        const auto text = [&](const wchar_t* name) {
            const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
            wchar_t* value = nullptr;
            if (!VerQueryValueW(resource.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
                return std::string("(missing)");
            return Utf8(value);
        };
        EXPECT_EQ(text(L"CompanyName"), VELLUMET_MAKER) << fileName;
        EXPECT_EQ(text(L"ProductName"), VELLUMET_PRODUCT_NAME) << fileName;
        EXPECT_EQ(text(L"ProductVersion"), VELLUMET_VERSION_TEXT) << fileName;
        EXPECT_EQ(text(L"FileVersion"), VELLUMET_VERSION_TEXT) << fileName;
        EXPECT_EQ(text(L"OriginalFilename"), fileName);
        EXPECT_EQ(text(L"InternalName"), internalName);
        EXPECT_NE(text(L"FileDescription"), "(missing)") << fileName;
    }
}
