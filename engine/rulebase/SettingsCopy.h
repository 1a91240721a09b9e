#pragma once

#include <memory>

namespace zorv {

class CSettings;

// An independent vocabulary equal to settings: the same kind over the same context, with the same lingparams
// and the same user terms. (Vocabularies are not copyable as objects: their terms refer to their context.)
std::shared_ptr<CSettings> CopySettings(const CSettings& settings);

}  // namespace zorv
