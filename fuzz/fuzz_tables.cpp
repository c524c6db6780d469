// Fuzz target: the three material tables from bytes, and every value looked up from them.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "design/data/DesignValues.h"
#include "design/data/MateriaaliTiedot.h"
#include "FuzzSupport.h"

using fuzz::Check;

namespace {

bool Finite(double v) { return std::isfinite(v); }

void CheckCode(const MateriaaliTiedot& tables, qv::DesignCode code) {
  const int materials = static_cast<int>(tables.MaterialNames(code).size());
  const int durations = static_cast<int>(tables.DurationClassNames(code).size());
  const int moistures = static_cast<int>(tables.MoistureClassNames(code).size());
  // The names are the section lines; a look-up past the lists gives nothing.
  Check(tables.DurationClassName(code, durations + 1).empty());
  Check(tables.DurationClassName(code, 0).empty());
  const int m = materials < 3 ? materials : 3;
  const int d = durations < 4 ? durations : 4;
  const int w = moistures < 3 ? moistures : 3;
  for (int q = 0; q <= DesignValues::kCount + 1; ++q) {
    for (int material = 0; material <= m + 1; ++material) {
      for (int duration = 0; duration <= d + 1; ++duration) {
        for (int moisture = 0; moisture <= w + 1; ++moisture) {
          for (int kind : {MateriaaliTiedot::kDesign, MateriaaliTiedot::kCharacteristic, 0}) {
            const double v = tables.TableValue(q, code, material, duration, moisture, kind);
            Check(Finite(v));
            if (q < 1 || q > DesignValues::kCount || material < 1 || material > materials ||
                kind == 0)
              Check(v == 0.0);
          }
        }
      }
    }
  }
  const int type = tables.MaterialTypeOf(code, 1);
  Check(type >= 0 && type <= 10);
}

void CheckDesignValues(MateriaaliTiedot& tables, qv::DesignCode code, int selector) {
  const int materials = static_cast<int>(tables.MaterialNames(code).size());
  tables.SetMaterial(code, materials > 0 ? 1 + selector % materials : 1);
  tables.SetMoistureClass(code, 1 + selector % 3);
  const qv::SectionSize sections[] = {{qv::SectionShape::kRectangle, 45.0, 195.0},
                                      {qv::SectionShape::kCircle, 120.0, 0.0},
                                      {qv::SectionShape::kRectangle, 1.0, 10000.0},
                                      {std::nullopt, 10.0, 10.0},
                                      {qv::SectionShape::kRectangle, 0.0, 100.0}};
  for (const auto& section : sections) {
    for (int duration = 0; duration <= 5; ++duration) {
      DesignValues values;
      values.Set(1, 123.0);
      const int rc =
          tables.GetDesignValues(code, duration, section, MateriaaliTiedot::kDesign, values);
      if (!section.IsValid()) {
        Check(rc == -1 && values.Get(1) == 123.0);
        continue;
      }
      Check(rc == 0);
      for (int q = 1; q <= DesignValues::kCount; ++q) Check(Finite(values.Get(q)));
      double kdef = -1.0;
      for (int which = 0; which <= 4; ++which) {
        const double s = tables.MemberStiffness(code, duration, section, which, &kdef);
        Check(Finite(s) && (which >= 1 && which <= 3 ? true : s == 0.0));
      }
      Check(Finite(
          tables.CreepFactor(code, tables.Material(code), duration, tables.MoistureClass(code))));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The three tables follow each other, parted by a line "@@@@".
  const std::vector<std::string> parts =
      fuzz::SplitParts(bytes, "@@@@", MateriaaliTiedot::kCodeCount);
  const std::string& folder = fuzz::ScratchFolder();
  for (int c = 0; c < MateriaaliTiedot::kCodeCount; ++c) {
    const std::string path = folder + "/" + MateriaaliTiedot::kFileNames[c];
    if (c < static_cast<int>(parts.size()))
      fuzz::WriteBytes(path, parts[static_cast<std::size_t>(c)]);
    else
      std::remove(path.c_str());
  }
  MateriaaliTiedot tables;
  const int read = tables.LoadTables(folder);
  Check(read == static_cast<int>(parts.size()));
  const int selector = size > 0 ? data[size - 1] : 0;
  for (qv::DesignCode code : qv::kDesignCodes) {
    CheckCode(tables, code);
    CheckDesignValues(tables, code, selector);
  }
  return 0;
}
