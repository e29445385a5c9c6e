// A window holding only a map picture, for the tests of the map and of the land test.
#pragma once

#include "platform/Form.h"

class MapForm : public platform::Form {
  public:
    MapForm() : Form("MapForm") {}
    platform::PictureBox PicBitMap{*this, "PicBitMap"};
};
