#pragma once
// The design measures in twips; the screen counts 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int to_px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel; }
constexpr int to_twips(int px) { return px * kTwipsPerPixel; }
