#pragma once

namespace zorv {

// What the application sets before its first window: "." as the decimal separator of every number
// conversion, and its title.
class ApplicationSetup {
public:
    static constexpr const char* kTitle = "Zorv for Win32";

    // Call once a QApplication exists (it sets the C library's locale from the environment).
    static void apply();
};

}  // namespace zorv
