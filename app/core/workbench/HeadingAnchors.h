#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zorv {

// The anchors by which links name the headings of a Markdown page ("files.md#data-files"), made as the
// common Markdown hosts make them, so that one link works in the help window and in a repository
// browser alike: the heading in lower case, each blank a "-", every other character but letters, digits,
// "-" and "_" dropped (and every character outside ASCII); a repeated anchor gets "-1", "-2", ... in the
// order of the page.
class HeadingAnchors {
public:
    // The anchor of the page's next heading.
    std::string next(std::string_view heading);

private:
    std::map<std::string, int, std::less<>> seen_;
};

}  // namespace zorv
