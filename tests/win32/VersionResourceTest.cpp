// The version resources of Vellumet.exe and vellumet-gen.exe, read as
// Explorer reads them, name the product, its version and its maker as the
// build's facts give them.
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
    struct Program {
        const char* FileName;
        const char* InternalName;
    };
    const std::string major = std::string(VELLUMET_VERSION).substr(0, std::string(VELLUMET_VERSION).find('.'));
    for (const Program& program : {Program{"Vellumet.exe", "Vellumet"}, Program{"vellumet-gen.exe", "vellumet-gen"}}) {
        const std::wstring path = Wide(JoinPath(Win32Platform().ApplicationPath(), program.FileName));
        DWORD ignored = 0;
        std::vector<BYTE> resource(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(resource.empty()) << program.FileName << " has no version resource";
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(resource.size()), resource.data()));

        VS_FIXEDFILEINFO* numbers = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(resource.data(), L"\\", reinterpret_cast<void**>(&numbers), &length));
        EXPECT_EQ(std::to_string(HIWORD(numbers->dwFileVersionMS)), major) << program.FileName;
        EXPECT_EQ(numbers->dwProductVersionMS, numbers->dwFileVersionMS) << program.FileName;
        EXPECT_EQ(numbers->dwFileType, static_cast<DWORD>(VFT_APP)) << program.FileName;

        const auto text = [&](const std::wstring& name) {
            wchar_t* value = nullptr;
            UINT characters = 0;
            const std::wstring key = L"\\StringFileInfo\\040904B0\\" + name;
            if (!VerQueryValueW(resource.data(), key.c_str(), reinterpret_cast<void**>(&value), &characters))
                return std::string("(missing)");
            return Utf8(
                std::wstring_view(value, characters).substr(0, std::wstring_view(value, characters).find(L'\0')));
        };
        EXPECT_EQ(text(L"CompanyName"), VELLUMET_MAKER) << program.FileName;
        EXPECT_EQ(text(L"ProductName"), VELLUMET_PRODUCT_NAME) << program.FileName;
        EXPECT_EQ(text(L"ProductVersion"), VELLUMET_VERSION_TEXT) << program.FileName;
        EXPECT_EQ(text(L"FileVersion"), VELLUMET_VERSION_TEXT) << program.FileName;
        EXPECT_EQ(text(L"OriginalFilename"), program.FileName);
        EXPECT_EQ(text(L"InternalName"), program.InternalName);
        EXPECT_NE(text(L"FileDescription"), "(missing)") << program.FileName;
    }
}
