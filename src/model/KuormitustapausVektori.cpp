// Load cases in order of addition.
#include "model/KuormitustapausVektori.h"

#include <vector>

KuormitustapausVektori::KuormitustapausVektori() : QELvektori(20, 20) { SetLayout(1, 1, 0); }

int KuormitustapausVektori::AddCase(const std::string& name, int durationClass) {
  return AddRecord(std::vector<std::string>{name}, std::vector<double>{},
                   std::vector<int>{durationClass});
}
