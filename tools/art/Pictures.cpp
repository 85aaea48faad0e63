#include "tools/art/Pictures.h"

#include "tools/art/Canvas.h"
#include "tools/art/ImageFiles.h"

#include <utility>
#include <vector>

namespace art {

namespace {

const int BannerWidth = 167;
const int BannerHeight = 86;

// Whole pixels in eighths.
int px(int pixels) { return pixels * Unit; }

// A globe of the web on the left: ocean, three continents and a grid.
void drawGlobe(Canvas& canvas) {
  const int x = px(40), y = px(44), r = px(28);
  Shape globe = ellipse(x, y, r, r);
  canvas.fill(ellipse(x, y, r + Unit, r + Unit), Rgb{30, 70, 140});
  canvas.fillVertical(globe, Rgb{110, 175, 235}, Rgb{30, 90, 180}, 16, 72);
  Rgb land{70, 160, 70};
  canvas.fill(both(globe, ellipse(px(29), px(34), px(11), px(8))), land);
  canvas.fill(both(globe, ellipse(px(49), px(57), px(9), px(12))), land);
  canvas.fill(both(globe, ellipse(px(22), px(59), px(7), px(5))), land);
  Rgb grid{170, 210, 245};
  const int half = Unit / 2;
  canvas.fill(both(globe, without(ellipse(x, y, px(13) + half, r), ellipse(x, y, px(13) - half, r))), grid);
  canvas.fill(both(globe, box(x - r, y - half, x + r, y + half)), grid);
  canvas.fill(both(globe, box(x - r, px(30) - half, x + r, px(30) + half)), grid);
  canvas.fill(both(globe, box(x - r, px(58) - half, x + r, px(58) + half)), grid);
}

// A yellow folder on the right with two pages of links in it.
void drawFolder(Canvas& canvas) {
  Rgb outline{150, 105, 20};
  canvas.fill(ellipse(px(122), px(80), px(36), px(4)), Rgb{196, 204, 216});

  canvas.fill(roundBox(px(91), px(25), px(117), px(38), px(3)), outline);
  canvas.fill(box(px(91), px(31), px(151), px(77)), outline);
  canvas.fill(roundBox(px(92), px(26), px(116), px(37), px(2)), Rgb{214, 160, 36});
  canvas.fill(box(px(92), px(32), px(150), px(76)), Rgb{214, 160, 36});

  for (int page = 0; page < 2; ++page) {
    int left = px(99 + page * 6), top = px(22 + page * 5);
    canvas.fill(box(left - Unit, top - Unit, left + px(37), top + px(40)), Rgb{120, 130, 150});
    canvas.fill(box(left, top, left + px(36), top + px(39)), Rgb{255, 255, 255});
    for (int line = 0; line < 5; ++line) {
      int y = top + px(5 + line * 5);
      canvas.fill(box(left + px(4), y, left + px(line % 2 == 0 ? 30 : 24), y + Unit), Rgb{70, 120, 210});
    }
  }

  canvas.fill(polygon({{px(89), px(45)}, {px(149), px(45)}, {px(153), px(79)}, {px(93), px(79)}}), outline);
  canvas.fillVertical(polygon({{px(90), px(46)}, {px(148), px(46)}, {px(152), px(78)}, {px(94), px(78)}}),
                      Rgb{255, 232, 120}, Rgb{240, 188, 44}, 46, 78);
}

// A blue arc from the globe over into the folder, ending in an arrowhead.
void drawArc(Canvas& canvas) {
  Rgb dark{20, 50, 140};
  canvas.fill(arc(px(80), px(52), px(32) + Unit / 2, px(38) + Unit / 2, -3, -4, 4, -3), dark);
  canvas.fill(polygon({{814, 271}, {920, 204}, {924, 322}}), dark);
  canvas.fill(arc(px(80), px(52), px(33) + Unit / 2, px(37) + Unit / 2, -3, -4, 4, -3), Rgb{40, 110, 230});
  canvas.fill(polygon({{822, 279}, {912, 212}, {915, 310}}), Rgb{40, 110, 230});
}

// The icon at one size. The folder's edges are whole pixels and give its
// black outlines; each fill lies one pixel inside them.
struct FolderEdges {
  int left, right, bottom;
  int tabRight, tabTop;  // the tab at the top left of the back
  int backTop, frontTop;
};

// The blue arc and its arrowhead, in eighths of a pixel; the dark outline
// around them is left out when its width is 0.
struct ArcShape {
  int centreX, centreY, inner, outer, outlineWidth;
  std::vector<std::pair<int, int>> arrowhead;
  std::vector<std::pair<int, int>> arrowheadOutline;
};

struct IconLayout {
  int size;
  FolderEdges folder;
  ArcShape arc;
};

const IconLayout LargeIcon{
    32,
    {2, 30, 29, 13, 13, 16, 19},
    {72, 136, 68, 84, 8, {{120, 136}, {176, 136}, {148, 172}}, {{110, 130}, {186, 130}, {148, 184}}}};
const IconLayout SmallIcon{16, {1, 15, 16, 7, 7, 9, 11}, {40, 64, 20, 36, 0, {{48, 64}, {88, 64}, {68, 84}}, {}}};

Canvas drawIconAt(const IconLayout& layout) {
  const FolderEdges& f = layout.folder;
  Canvas canvas(layout.size, layout.size, 1, Rgb{0, 0, 0});
  Rgb black{0, 0, 0}, olive{128, 128, 0}, yellow{255, 255, 0}, white{255, 255, 255};
  // Each part is painted black, then filled one pixel inside.
  auto outlined = [&](int left, int top, int right, int bottom, Rgb colour) {
    canvas.fill(box(px(left), px(top), px(right), px(bottom)), black);
    canvas.fill(box(px(left + 1), px(top + 1), px(right - 1), px(bottom - 1)), colour);
  };
  outlined(f.left, f.tabTop, f.tabRight, f.backTop + 2, olive);
  outlined(f.left, f.backTop, f.right, f.bottom, olive);
  canvas.fill(box(px(f.left + 1), px(f.backTop), px(f.tabRight - 1), px(f.backTop + 1)), olive);
  outlined(f.left, f.frontTop, f.right, f.bottom, yellow);
  canvas.fill(box(px(f.left + 1), px(f.frontTop + 1), px(f.right - 1), px(f.frontTop + 2)), white);

  // The arc turns clockwise from the upper left over the folder's corner to
  // the right, and its arrowhead points down into the folder.
  const ArcShape& a = layout.arc;
  if (a.outlineWidth > 0) {
    Rgb navy{0, 0, 128};
    canvas.fill(arc(a.centreX, a.centreY, a.inner - a.outlineWidth, a.outer + a.outlineWidth, -1, -1, 1, 0), navy);
    canvas.fill(polygon(a.arrowheadOutline), navy);
  }
  Rgb blue{0, 0, 255};
  canvas.fill(arc(a.centreX, a.centreY, a.inner, a.outer, -1, -1, 1, 0), blue);
  canvas.fill(polygon(a.arrowhead), blue);
  return canvas;
}

}  // namespace

std::string drawBanner() {
  Canvas canvas(BannerWidth, BannerHeight, 4, Rgb{255, 255, 255});
  canvas.fillVertical(box(0, 0, px(BannerWidth), px(BannerHeight)), Rgb{200, 222, 246}, Rgb{255, 255, 255}, 0,
                      BannerHeight - 1);
  drawGlobe(canvas);
  drawFolder(canvas);
  drawArc(canvas);
  return bitmapFile(canvas);
}

std::string drawIcon() {
  Canvas large = drawIconAt(LargeIcon), small = drawIconAt(SmallIcon);
  return iconFile({&large, &small});
}

}  // namespace art
