#pragma once

#include <string_view>

namespace zorv {

// How an F-transform command ended.
enum class FTransformStatus {
    Fitted,                  // the transform was fitted (and, with a maximum error, meets it)
    MaximumNodesExceeded,    // even the largest node count tried misses the maximum error
    Cancelled,               // stopped on request: no transform, the data left as it was
};

inline constexpr std::string_view kMaximumNodesExceededMessage = "Maximum number of nodes was exceeded.";
inline constexpr std::string_view kInformationCaption = "Information";

// The message the caller shows for a status and its caption; both empty for Fitted.
constexpr std::string_view statusMessage(FTransformStatus status) {
    return status == FTransformStatus::MaximumNodesExceeded ? kMaximumNodesExceededMessage : std::string_view{};
}
constexpr std::string_view statusCaption(FTransformStatus status) {
    return status == FTransformStatus::MaximumNodesExceeded ? kInformationCaption : std::string_view{};
}

}  // namespace zorv
