#include "pages/footer.h"

#include "pages/generator.h"
#include "pages/tal2.h"

namespace ombrelta {

void write_footer(Platform& os, PageStream& F2) {
  const LocalTime clock = os.now();
  F2.write("</table><p>");
  F2.write(NAME);
  F2.write(" - <i>");
  F2.write(TAL(clock.year, 4) + TAL(clock.month, 2) + TAL(clock.day, 2));
  F2.write(" ");
  F2.write(TAL(clock.hour, 2) + ":" + TAL(clock.minute, 2));
  F2.write("</i></body></html>");
  F2.crlf();
  F2.close();
}

}  // namespace ombrelta
