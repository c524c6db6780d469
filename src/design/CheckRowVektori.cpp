// Rows of the stress and stability checks of one combination: (code, span, value1, value2).
#include "design/CheckRowVektori.h"

#include <vector>

CheckRowVektori::CheckRowVektori() : QELvektori(40, 20) { SetLayout(0, 2, 2); }

int CheckRowVektori::AddRow(int code, int span, double value1, double value2) {
  rowInts_.assign({code, span});
  rowReals_.assign({value1, value2});
  return AddRecord(nullptr, &rowReals_, &rowInts_);
}

int CheckRowVektori::Find(int code, int span) const {
  for (int i = 0; i < Count(); ++i) {
    if (Code(i) == code && Span(i) == span) return i;
  }
  return -1;
}

int CheckRowVektori::DesignValueOfRow(int code) {
  static const int kOrder[] = {1, 8, 2, 3, 4, 5, 9, 6, 7};
  if (code < kDesignValueFirst || code > kDesignValueLast) return 0;
  return kOrder[code - kDesignValueFirst];
}
