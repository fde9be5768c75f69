#include "flat/flat_caption.h"

#include "flat/flat_gadget.h"

namespace flat {

namespace {

constexpr char16_t kSpace = u' ';
constexpr int kInset = 2;        // left and right inset of an aligned caption
constexpr int kJoinMargin = 12;  // a line takes a word while narrower than width - 12

int HorizontalOffset(int width, int textWidth, std::int32_t flags) {
  if ((flags & FlatAlignLeft) != 0) {
    return kInset;
  }
  if ((flags & FlatAlignRight) != 0) {
    return width - textWidth - kInset;
  }
  return width / 2 - textWidth / 2;
}

std::u16string_view TrimSpaces(std::u16string_view text) {
  std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::u16string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// Where the word starting at `start` ends: at the next space or the caption's end.
std::size_t WordEnd(std::u16string_view caption, std::size_t start) {
  std::size_t space = caption.find(kSpace, start);
  return space == std::u16string_view::npos ? caption.size() : space;
}

// Words are separated by single spaces, so a line of whole words with their separators is one
// piece of the caption: [start, end). Returns the line, and in `next` the start of the word that
// begins the following line (past the caption's end when none is left).
std::u16string_view FillLine(std::u16string_view caption, std::size_t start, int limit,
                             const FlatTextWidth& widthOf, std::size_t& next) {
  std::size_t end = WordEnd(caption, start);
  while (end < caption.size()) {
    std::size_t candidateEnd = WordEnd(caption, end + 1);
    if (widthOf(caption.substr(start, candidateEnd - start)) >= limit) {
      break;
    }
    end = candidateEnd;
  }
  next = end + 1;
  return caption.substr(start, end - start);
}

std::vector<FlatCaptionLine> WrappedLines(tk::Rect rect, std::u16string_view caption,
                                          std::int32_t flags, int captionHeight,
                                          const FlatTextWidth& widthOf) {
  std::vector<FlatCaptionLine> lines;
  if (rect.width == 0) {
    return lines;
  }
  int estimate = widthOf(caption) / rect.width;
  int top = rect.height / 2 - captionHeight / 2 - (captionHeight / 2) * estimate - 1;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t next = 0;
    std::u16string_view line =
        TrimSpaces(FillLine(caption, start, rect.width - kJoinMargin, widthOf, next));
    int dx = HorizontalOffset(rect.width, widthOf(line), flags);
    lines.push_back({{rect.x + dx, rect.y + top}, line});
    top += captionHeight;
    start = next;
  }
  return lines;
}

}  // namespace

std::vector<FlatCaptionLine> LayoutFlatCaption(tk::Rect rect, std::u16string_view caption,
                                               std::int32_t flags, int captionHeight,
                                               const FlatTextWidth& widthOf) {
  if ((flags & FlatWrap) != 0) {
    return WrappedLines(rect, caption, flags, captionHeight, widthOf);
  }
  int dx = HorizontalOffset(rect.width, widthOf(caption), flags);
  int dy = rect.height / 2 - captionHeight / 2;
  return {{{rect.x + dx, rect.y + dy - 1}, caption}};
}

void DrawFlatCaption(tk::Drawing& drawing, tk::Rect rect, std::u16string_view caption,
                     std::int32_t flags) {
  auto widthOf = [&drawing](std::u16string_view text) { return drawing.TextWidth(text); };
  for (const FlatCaptionLine& line :
       LayoutFlatCaption(rect, caption, flags, drawing.TextHeight(caption), widthOf)) {
    drawing.Text(line.at.x, line.at.y, line.text);
  }
}

}  // namespace flat
