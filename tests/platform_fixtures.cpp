#include "platform_fixtures.h"

#ifdef _WIN32

#include <windows.h>

namespace {

constexpr UINT CODE_PAGE_932 = 932;

}  // namespace

std::optional<std::string> utf8_from_cp932(std::string_view bytes) {
    if (bytes.empty()) {
        return std::string{};
    }
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(bytes.size(), L'\0');
    const int wide_size = MultiByteToWideChar(CODE_PAGE_932, MB_ERR_INVALID_CHARS, bytes.data(),
                                              size, wide.data(), size);
    if (wide_size == 0) {
        return std::nullopt;
    }
    std::string utf8(bytes.size() * 3, '\0');
    const int utf8_size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, utf8.data(),
                                              static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(utf8_size));
    return utf8;
}

bool list_file_on_full_device() {
    return false;
}

#else

#include <iconv.h>

#include <filesystem>

std::optional<std::string> utf8_from_cp932(std::string_view bytes) {
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string in(bytes);
    std::string out(bytes.size() * 3, '\0');
    char* in_at = in.data();
    char* out_at = out.data();
    std::size_t in_left = in.size();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - out_left);
    return out;
}

bool list_file_on_full_device() {
    const std::filesystem::path full_device = "/dev/full";
    if (!std::filesystem::exists(full_device)) {
        return false;
    }
    std::filesystem::create_symlink(full_device, "uho.txt");
    return true;
}

#endif
