#include "publish/pocketstyle.h"

#include <cmath>
#include <cstdio>

#include "style/styleprefs.h"
#include "style/stylesafety.h"

namespace sw {

namespace {

// The plan's own palette, light; dark mode always takes the dark one below.
constexpr std::int32_t kPaperColour = 0xFFFFFF;
constexpr std::int32_t kInkColour = 0x241F1F;   // #1f1f24
constexpr std::int32_t kLinkColour = 0xD0570B;  // #0b57d0

double Linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(std::int32_t colour)
{
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF)
           + 0.0722 * Linear((colour >> 16) & 0xFF);
}

std::string CssColour(std::int32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

// A font-family list: the project's font when it can stand between quotes,
// then the system's.
std::string FontList(const std::string& face)
{
    const std::string fallback = "system-ui, -apple-system, \"Segoe UI\", Roboto, \"Noto Sans\", sans-serif";
    if (face.empty() || !IsCssFontName(face))
        return fallback;
    return "\"" + face + "\", " + fallback;
}

// The colour to use for a text on the page: the project's when it keeps the
// contrast, else the first of the others that does.
std::int32_t Readable(std::int32_t wanted, std::int32_t page, std::int32_t otherwise, std::int32_t last)
{
    if (ContrastRatio(wanted, page) >= kPocketLeastContrast)
        return wanted;
    if (ContrastRatio(otherwise, page) >= kPocketLeastContrast)
        return otherwise;
    return last;
}

constexpr std::string_view kRules = R"(*,*::before,*::after{box-sizing:border-box}
html{-webkit-text-size-adjust:100%;text-size-adjust:100%;scroll-padding-top:8rem}
body{margin:0;background:var(--page);color:var(--ink);font-family:var(--text-font);font-size:1rem;line-height:1.5;overflow-wrap:anywhere}
h1,h2,h3,h4{font-family:var(--title-font);color:var(--title);line-height:1.25}
h1{font-size:1.75rem;margin:1rem 0 .25rem}
h2{font-size:1.35rem;margin:2rem 0 .75rem}
h4{font-size:.95rem;margin:.75rem 0 .1rem}
a{color:var(--link)}
.bar{position:sticky;top:0;z-index:2;background:var(--page);border-bottom:1px solid var(--line);padding:.25rem .75rem;display:flex;flex-wrap:wrap;align-items:center;gap:0 .75rem}
.bar .home{flex:1 1 0;min-width:5rem;padding:.6rem 0;font-weight:700;color:var(--title);text-decoration:none;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
.bar nav{display:flex;flex-wrap:wrap}
.bar nav a{display:inline-flex;align-items:center;min-height:2.75rem;padding:0 .5rem;text-decoration:none}
.bar input{flex:1 1 100%;min-width:0;min-height:2.75rem;margin:0 0 .4rem;padding:.4rem .75rem;font:inherit;color:var(--ink);background:var(--page);border:1px solid var(--line);border-radius:.5rem}
main{max-width:75rem;margin:0 auto;padding:0 .75rem 3rem}
.author{margin:0 0 1rem;font-style:italic}
.summary{margin:0 0 .5rem}
.html img{max-width:100%;height:auto}
.html table{display:block;max-width:100%;overflow-x:auto}
.html pre{white-space:pre-wrap}
.lines{white-space:pre-line}
.shot{margin:1rem 0;padding:.75rem 1rem;background:var(--card);border:1px solid var(--line);border-radius:.75rem;scroll-margin-top:8rem}
.shot:target{outline:3px solid var(--link);outline-offset:2px}
.shot h3{margin:.1rem 0 .25rem;font-size:1.15rem}
.num{display:inline-block;min-width:2rem;margin-right:.35rem;padding:0 .4rem;border-radius:1rem;background:var(--ink);color:var(--page);text-align:center;font-size:.9em}
.times{margin:0 0 .5rem}
.pics{display:grid;grid-template-columns:minmax(0,1fr);gap:.5rem;margin:0 0 .5rem;justify-items:start}
.pics.two{grid-template-columns:repeat(2,minmax(0,1fr))}
figure{margin:0}
figcaption{font-size:.85rem}
img{display:block;max-width:100%;height:auto;border-radius:.4rem}
.missing{margin:0;padding:1rem;border:1px dashed var(--line);border-radius:.4rem;text-align:center}
dl{display:grid;grid-template-columns:max-content minmax(0,1fr);gap:.1rem .75rem;margin:0 0 .25rem}
dt{font-weight:700}
dd{margin:0}
.board{list-style:none;margin:0;padding:0;display:grid;grid-template-columns:repeat(auto-fill,minmax(min(100%,9.5rem),1fr));gap:.75rem}
.board a{display:block;min-height:2.75rem;color:inherit;text-decoration:none}
.board img,.board .card{width:100%;aspect-ratio:4/3;object-fit:cover;background:var(--card)}
.board .card{display:flex;align-items:center;justify-content:center;padding:.5rem;border:1px solid var(--line);border-radius:.4rem;text-align:center}
.board span{display:block;padding:.2rem 0;font-size:.9rem}
.none{font-style:italic}
[hidden]{display:none!important}
@media (min-width:56rem){.shot .body{display:grid;grid-template-columns:minmax(0,2fr) minmax(0,3fr);gap:0 1.25rem;align-items:start}}
@media print{:root{--page:#fff;--ink:#000;--title:#000;--link:#000;--card:#fff}.bar{position:static}.bar nav,.bar input{display:none}.shot,.board li{break-inside:avoid;page-break-inside:avoid}.shot{border-color:#999}.num{background:none;color:#000;border:1px solid #000}.shot .body{display:grid;grid-template-columns:minmax(0,2fr) minmax(0,3fr);gap:0 1rem;align-items:start}img{max-height:9cm;width:auto}a{color:inherit;text-decoration:none}}
)";

// The scenes' rules, only in a plan that has scenes: the list of scenes, a
// heading per scene, the shots' names one level down.
constexpr std::string_view kSceneRules = R"(h5{font-family:var(--title-font);color:var(--title);line-height:1.25;font-size:.95rem;margin:.75rem 0 .1rem}
.scenes ol{list-style:none;margin:0 0 1rem;padding:0}
.scenes li{margin:.2rem 0}
.scenes .count{white-space:nowrap}
.scene{margin:1.5rem 0;scroll-margin-top:8rem}
.scene>h3{font-size:1.25rem;margin:0 0 .25rem;padding-top:.5rem;border-top:2px solid var(--line)}
.scene .synopsis{margin:0 0 .5rem;font-style:italic}
.shot h4.name{margin:.1rem 0 .25rem;font-size:1.15rem}
.board .scene-no{font-weight:700}
)";

constexpr std::string_view kScriptStart = R"((function () {
  var input = document.getElementById('filtre');
  var status = document.getElementById('trouves');
  if (!input || !input.addEventListener || !''.normalize) return;
  var shots = [].slice.call(document.querySelectorAll('.shot'));
  var tiles = {};
  [].forEach.call(document.querySelectorAll('.board li'), function (tile) { tiles[tile.getAttribute('data-plan')] = tile; });
  function fold(text) { return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase(); }
  var texts = shots.map(function (shot) { return fold(shot.textContent); });
  input.hidden = false;
  input.addEventListener('input', function () {
    var words = fold(input.value).split(/\s+/).filter(Boolean);
    var shown = 0;
    shots.forEach(function (shot, i) {
      var keep = words.every(function (word) { return texts[i].indexOf(word) >= 0; });
      shot.hidden = !keep;
      var tile = tiles[shot.id];
      if (tile) tile.hidden = !keep;
      if (keep) shown++;
    });
)";

// With scenes: a scene none of whose shots is kept hides with its entry in
// the list of scenes.
constexpr std::string_view kSceneFilter = R"(    [].forEach.call(document.querySelectorAll('.scene'), function (scene) {
      scene.hidden = scene.querySelector('.shot:not([hidden])') === null;
      var entry = document.querySelector('.scenes a[href="#' + scene.id + '"]');
      if (entry) entry.parentNode.hidden = scene.hidden;
    });
)";

constexpr std::string_view kScriptEnd = R"(    status.hidden = words.length === 0;
    status.textContent = shown === 0 ? 'Aucun plan ne contient « ' + input.value.trim() + ' ».'
      : shown === 1 ? '1 plan trouvé.' : shown + ' plans trouvés.';
  });
})();
)";

} // namespace

double ContrastRatio(std::int32_t first, std::int32_t second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::string PocketStyleSheet(const TStylePrefs& style, bool withScenes)
{
    // The project's page and text colours go together or not at all.
    const bool ownPage = ContrastRatio(style.BodySysCol, style.BGSysCol) >= kPocketLeastContrast;
    const std::int32_t page = ownPage ? style.BGSysCol : kPaperColour;
    const std::int32_t ink = ownPage ? style.BodySysCol : kInkColour;
    const std::int32_t title = Readable(style.elements[1].colorValue, page, ink, ink);
    const std::int32_t link = Readable(style.LinkSysColor, page, kLinkColour, ink);
    const std::string& textFace = style.elements[0].fontFace.empty() ? style.DefFontFace : style.elements[0].fontFace;

    std::string css;
    css.reserve(kRules.size() + 1024);
    css += ":root{color-scheme:light dark;--page:" + CssColour(page) + ";--ink:" + CssColour(ink)
           + ";--title:" + CssColour(title) + ";--link:" + CssColour(link)
           + ";--card:rgba(127,127,127,.08);--line:rgba(127,127,127,.4);--text-font:" + FontList(textFace)
           + ";--title-font:" + FontList(style.elements[1].fontFace) + "}\n";
    css += "@media (prefers-color-scheme:dark){:root{--page:#131316;--ink:#e8e8ee;--title:#f4f4f8;--link:#8ab4f8;"
           "--card:rgba(255,255,255,.05)}}\n";
    css += kRules;
    if (withScenes)
        css += kSceneRules;
    return css;
}

std::string PocketScript(bool withScenes)
{
    std::string script(kScriptStart);
    if (withScenes)
        script += kSceneFilter;
    script += kScriptEnd;
    return script;
}

} // namespace sw
