// The fixed picture of the main system XYZ and the local system xyz, with its hint.
#pragma once

class QLabel;
class QWidget;

namespace qv {

QLabel* CoordinatePicture(QWidget* parent, const char* objectName);

}  // namespace qv
