// Design codes by their number in the files, for tests whose reference tables are keyed by it.
#pragma once

#include "model/Kinds.h"

inline qv::DesignCode CodeOf(int number) {
  qv::DesignCode code = qv::DesignCode::kLimitState;
  qv::DesignCodeFromInt(number, code);
  return code;
}
