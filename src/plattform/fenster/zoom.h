#pragma once

class QWidget;

namespace plattform {

// Zooms a window or control: the positions, sizes and font sizes of it and of every control
// inside it are multiplied by the factor (positions and sizes rounded to whole pixels).
// Controls that a layout or their compound parent places follow their parent; a window keeps
// its place on the screen and changes its size only. Successive zooms compound.
void zoomen(QWidget* wurzel, double faktor);

}  // namespace plattform
