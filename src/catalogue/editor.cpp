// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/editor.h"

#include <algorithm>
#include <map>
#include <vector>

#include "app/eventloop.h"
#include "app/startup.h"
#include "game/quizscreen.h"
#include "platform/fs/fs.h"
#include "platform/gui/gui.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

namespace {

constexpr int kAntworten = 5;
// Largest picture file read when one is chosen (far more than 4096 x 4096
// pixels need in any of the formats).
constexpr size_t kBildDateiHoechstens = size_t(128) << 20;
// Widest preview of a music-symbol line, in pixels.
constexpr int kVorschauBreiteHoechstens = 2048;

gui::Gadget* AntwortKnopf(int i) { return Button[Mdi::BUT_SEL_ANT + i]; }
gui::Gadget* AntwortFeld(int i) { return TextFeld[Mdi::TEXT_A_1 + i]; }
gui::Gadget* ErklaerungFeld(int i) { return TextFeld[Mdi::TEXT_E_1 + i]; }

// The folder chosen pictures and sounds are copied into ("Daten/" for MedienPfad).
u16 DatenOrdner() { return DatenPfad + u"daten/"; }

std::map<gui::Gadget*, draw::PixmapPtr>& Gezeigt() {
  static std::map<gui::Gadget*, draw::PixmapPtr> m;
  return m;
}

void SetzeBild(gui::Gadget* panel, const draw::PixmapPtr& bild) {
  if (!panel) return;
  draw::PixmapPtr p = bild ? FuerPanelEingepasst(bild, panel) : nullptr;
  Gezeigt()[panel] = p;
  panel->SetPixmap(p, false);
}

// Shows the picture of a record's picture field in a panel; an empty name or
// a picture that cannot be loaded leaves the panel without a picture.
void ZeigeBild(gui::Gadget* panel, const u16& name) {
  if (!panel) return;
  draw::PixmapPtr bild;
  if (!name.empty()) bild = draw::Pixmap::Load(MedienPfad(BilderPfad + MedienBildName(name)));
  SetzeBild(panel, bild);
}

// A record to work on: the table slot's own record, created when the slot is empty.
QuizPtr SlotRecord(int slot) {
  if (!AlleFragen[slot]) AlleFragen[slot] = QuizType::Create();
  return AlleFragen[slot];
}

bool Inhalt(uint32_t pixel) { return pixel != 0xFFFFFFFFu && pixel != 0u; }

}  // namespace

u16 BildAblehnung(const u16& pfad) {
  const u16 name = fs::FileName(pfad);
  auto bytes = fs::ReadAll(pfad, kBildDateiHoechstens);
  const draw::PictureHeader kopf = bytes ? draw::ReadPictureHeader(*bytes) : draw::PictureHeader{};
  if (kopf.kind != draw::PictureHeader::None && kopf.width && kopf.height &&
      !draw::PictureSizeAcceptable(kopf.width, kopf.height))
    return u"Das Bild \u201E" + name + u"\u201C ist zu groß (" + text::Num(static_cast<int>(std::min<uint64_t>(kopf.width, 999999))) +
           u" × " + text::Num(static_cast<int>(std::min<uint64_t>(kopf.height, 999999))) +
           u" Bildpunkte) und wird nicht übernommen. Erlaubt sind höchstens " + text::Num(draw::kMaxPictureSide) + u" × " +
           text::Num(draw::kMaxPictureSide) + u" Bildpunkte.";
  if (!bytes || kopf.kind == draw::PictureHeader::None || !draw::Pixmap::Decode(*bytes))
    return u"Die Datei \u201E" + name + u"\u201C ist kein lesbares Bild (PNG, JPEG oder BMP) und wird nicht übernommen.";
  return u16();
}

draw::PixmapPtr FuerPanelEingepasst(const draw::PixmapPtr& picture, gui::Gadget* panel) {
  if (!picture || picture->width <= 0 || picture->height <= 0 ||
      picture->pixels.size() < static_cast<size_t>(picture->width) * picture->height)
    return nullptr;
  int cw = panel ? panel->ClientWidth() : 0, ch = panel ? panel->ClientHeight() : 0;
  if (cw <= 0 || ch <= 0) cw = 300, ch = 250;
  // Twice the panel's size, so that the panel only ever shrinks the result
  // (crisp on high-density screens as well).
  const int w = 2 * cw, h = 2 * ch;
  const float f = std::min(static_cast<float>(w) / picture->width, static_cast<float>(h) / picture->height);
  draw::Surface s;
  s.Resize(w, h);
  s.SetClsColor(255, 255, 255);
  s.Cls();
  s.SetBlend(draw::Blend::Alpha);
  s.SetColor(255, 255, 255);
  s.SetAlpha(1.0f);
  s.SetScale(f, f);
  auto bild = draw::Image::FromPixmap(*picture);
  if (!bild) return nullptr;
  s.DrawImage(*bild, (w - picture->width * f) / 2.0f, (h - picture->height * f) / 2.0f);
  return s.Grab(0, 0, w, h);
}

int Mdi::LeseFrageInEditorEin(int number) {
  if (number < 0 || number >= static_cast<int>(AlleFragen.size())) return 0;
  EditorFrage = SlotRecord(number);
  QuizType& q = *EditorFrage;

  if (FrageFeld) FrageFeld->SetText(q.Frage);
  EditorMusical.clear();

  gui::Gadget* frageBild = Panel[PAN_BILD_F];
  if (!q.Bild.empty()) {
    ZeigeBild(frageBild, q.Bild);
  } else if (!q.Musical.empty()) {
    SetzeBild(frageBild, MalMusical(q.Musical));
    EditorMusical = q.Musical;
  } else {
    SetzeBild(frageBild, nullptr);
  }
  ZeigeBild(Panel[PAN_BILD_L], q.Bild2);

  if (AudioFeld) AudioFeld->SetText(q.Audio);
  // A topic that is not in the list selects nothing (rather than leaving the
  // previous question's topic selected, which saving would then store).
  if (WaehleEintrag(BereichAuswahl, q.Bereich) < 0 && BereichAuswahl) BereichAuswahl->SelectItem(-1);
  EditorGeladen = true;
  SetMySliderValue(SLID_GRAD, q.Problem / 10);

  for (int i = 0; i < kAntworten; ++i)
    if (AntwortKnopf(i)) AntwortKnopf(i)->SetChecked(false);
  if (q.Loesung == 0) q.Loesung = 1;
  // A right answer outside 1..5 names no button: none is selected, and the
  // value stays until the user picks one.
  if (q.Loesung >= 1 && q.Loesung <= kAntworten && AntwortKnopf(q.Loesung - 1))
    AntwortKnopf(q.Loesung - 1)->SetChecked(true);

  for (int i = 0; i < kAntworten; ++i) {
    if (AntwortFeld(i)) AntwortFeld(i)->SetText(q.Antwort[i + 1]);
    if (ErklaerungFeld(i)) ErklaerungFeld(i)->SetText(q.Erklaerung[i + 1]);
  }
  return 0;
}

int Mdi::EditFensterSoEintragen(int slot) {
  if (!EditorFrage) EditorFrage = QuizType::Create();
  QuizType& q = *EditorFrage;

  if (FrageFeld) q.Frage = FrageFeld->Text();
  if (BereichAuswahl) {
    // With nothing selected the record keeps its topic (one that the list
    // does not offer); the empty entry is how a topic is removed.
    int sel = BereichAuswahl->SelectedItem();
    if (sel >= 0 && sel < BereichAuswahl->ItemCount()) q.Bereich = BereichAuswahl->ItemText(sel);
  }
  q.Musical = EditorMusical;
  if (Slider[SLID_GRAD]) q.Problem = 10 * Slider[SLID_GRAD]->Value();
  for (int i = 0; i < kAntworten; ++i)
    if (AntwortKnopf(i) && AntwortKnopf(i)->Checked()) q.Loesung = i + 1;
  for (int i = 0; i < kAntworten; ++i) {
    if (AntwortFeld(i)) q.Antwort[i + 1] = AntwortFeld(i)->Text();
    if (ErklaerungFeld(i)) q.Erklaerung[i + 1] = ErklaerungFeld(i)->Text();
  }

  if (slot >= 0 && slot < static_cast<int>(AlleFragen.size())) AlleFragen[slot] = EditorFrage;
  return 0;
}

int Mdi::EditorFensterSoSaven(int number) {
  // Whether the number is taken is judged before the form is copied back:
  // the form shows the table's own record of that number, so afterwards a
  // new question would always look like one that exists already.
  const bool frei = QuizExistiert(number) == 0;
  // The record as the table held it, for a save that does not happen.
  const QuizType vorher = EditorFrage ? *EditorFrage : QuizType();
  EditFensterSoEintragen(999);
  int m = frei ? number : PruefeQuizNummer(number);
  if (m <= 0 || m >= static_cast<int>(AlleFragen.size())) return 0;
  // The table takes the question only when the file took it as well.
  const int ergebnis = SpeichereQuiz(999, m);
  if (ergebnis == 0) {
    AlleFragen[m] = AlleFragen[999];
    return 0;
  }
  // Not stored (the user declined losing characters, or the file could not
  // be written): the table goes back to what the file holds, so that no
  // game, list or free-number search takes the question for a stored one.
  // The form keeps what was typed.
  *EditorFrage = vorher;
  if (ergebnis == 2) MeldeSpeicherFehler(u"Die Frage " + text::Num(m), EigeneFragenDatei());
  return 0;
}

int EditorBereicheFuellen() {
  if (!BereichAuswahl) return 0;
  const int sel = BereichAuswahl->SelectedItem();
  const bool hatteAuswahl = sel >= 0 && sel < BereichAuswahl->ItemCount();
  const u16 vorher = hatteAuswahl ? BereichAuswahl->ItemText(sel) : u16();
  BereichAuswahl->ClearItems();
  for (int i = 0; i <= std::clamp(ThemenAnzahl, 0, static_cast<int>(Themen.size()) - 1); ++i)
    BereichAuswahl->AddItem(Themen[i]);
  // The toolkit selects the first entry of a list it fills: the form shows
  // again what it showed (the loaded question's topic), and nothing before
  // a question was loaded.
  BereichAuswahl->SelectItem(-1);
  if (hatteAuswahl) WaehleEintrag(BereichAuswahl, vorher);
  else if (EditorGeladen && EditorFrage) WaehleEintrag(BereichAuswahl, EditorFrage->Bereich);
  if (BereichAuswahl->SelectedItem() < 0) BereichAuswahl->SelectItem(-1);
  return 0;
}

int WaehleMedienDatei(gui::Gadget* control, int kind) {
  if (kind < 1 || kind > 3) return 0;
  if (!EditorFrage) EditorFrage = QuizType::Create();
  QuizType& q = *EditorFrage;
  u16& feld = kind == 1 ? q.Bild : kind == 2 ? q.Bild2 : q.Audio;

  const bool bild = kind != 3;
  const u16 titel = bild ? u"Bild laden" : u"Sound laden";
  const u16 filter = bild ? u"Bilder *.png *.jpg *.bmp:png,jpg,bmp" : u"Audio *.ogg:ogg";
  u16 ordner = bild ? BilderPfad : TonPfad;
  if (ordner.find(u"::") != u16::npos) ordner = DatenOrdner();

  const u16 gewaehlt = gui::RequestFile(titel, filter, ordner + feld, false);
  const u16 name = fs::FileName(gewaehlt);

  if (name.empty()) {
    feld.clear();
    if (control) {
      if (bild) SetzeBild(control, nullptr);
      else control->SetText(u16());
    }
    return 0;
  }

  // A picture the game could not show is not taken: the user is told why,
  // and the question keeps the picture it had.
  if (bild) {
    const u16 grund = BildAblehnung(gewaehlt);
    if (!grund.empty()) {
      gui::Warn(grund);
      return 0;
    }
  }

  const u16 ziel = DatenOrdner() + name;
  if (fs::FileType(ziel) == fs::Type::None) {
    fs::CreateFolders(DatenOrdner());
    fs::CopyFile(gewaehlt, ziel, false);
  }
  feld = name;
  VergissFragenBilder();  // the quiz screen looks for this name afresh
  if (bild) ZeigeBild(control, name);
  else if (control) control->SetText(name);
  return 0;
}

namespace {

// The drawn symbols in [0, breite) x [0, hoehe) of the surface, cut to what
// is not white with a margin of 20 pixels; nullptr when nothing was drawn.
draw::PixmapPtr ZuschnittUmInhalt(const draw::Surface& s, int breite, int hoehe) {
  draw::PixmapPtr p = s.Grab(0, 0, breite, hoehe);
  auto zeileHat = [&](int y, int von, int bis) {
    for (int i = von; i < bis; ++i)
      if (Inhalt(p->At(i, y))) return true;
    return false;
  };
  auto spalteHat = [&](int xx, int von, int bis) {
    for (int j = von; j <= bis; ++j)
      if (Inhalt(p->At(xx, j))) return true;
    return false;
  };
  int top = -1, bottom = -1;
  for (int y = 0; y < hoehe && top < 0; ++y)
    if (zeileHat(y, 0, breite)) top = y;
  if (top < 0) return nullptr;
  for (int y = hoehe - 1; y >= top && bottom < 0; --y)
    if (zeileHat(y, 0, breite)) bottom = y;
  int right = -1, left = -1;
  for (int xx = breite - 1; xx >= 0 && right < 0; --xx)
    if (spalteHat(xx, top, bottom)) right = xx;
  for (int xx = 0; xx <= right && left < 0; ++xx)
    if (spalteHat(xx, top, bottom)) left = xx;
  if (left < 0) return nullptr;
  return s.Grab(left - 20, top - 20, right - left + 41, bottom - top + 41);
}

}  // namespace

draw::PixmapPtr MalMusical(const u16& musical) {
  constexpr int kHoehe = 411;
  auto leer = [] { return std::make_shared<draw::Pixmap>(1, 1, 0xFFFFFFFFu); };

  // The symbols of the line, cut after the last one that still starts inside
  // the preview's bounded width: the panel shows the preview shrunk to its
  // size, so a longer row would only cost memory and show nothing more.
  // Symbols advance by their drawn width (0.5 x Skala), as on the quiz screen.
  const float faktor = 0.5f * Skala;
  std::vector<draw::ImagePtr> symbole;
  int x = 0;
  const size_t n = std::min(musical.size(), kMusicalZeichenHoechstens);
  for (size_t i = 0; i < n && x + 40 < kVorschauBreiteHoechstens; ++i) {
    auto img = MusicalSymbolBild(musical[i]);
    if (!img) continue;  // a symbol without a picture is left out
    symbole.push_back(img);
    x = static_cast<int>(x + img->Width() * faktor);
  }
  x = std::min(x, kVorschauBreiteHoechstens - 40);

  // Drawn off screen on the quiz canvas; while that is still too small (it
  // gets its size when first shown) on a surface of our own.
  static draw::Surface eigene;
  draw::Surface* haupt = HauptCanvas ? &HauptCanvas->Surface() : nullptr;
  draw::Surface* s = haupt;
  if (!s || s->Width() < x + 40 || s->Height() < kHoehe) {
    eigene.Resize(std::max(x + 40, 1024), 768);
    s = &eigene;
  }

  draw::PixmapPtr ergebnis;
  {
    draw::SavedState gesichert(*s);
    draw::SetTarget(s);
    s->SetBlend(draw::Blend::Alpha);
    s->SetClsColor(255, 255, 255);
    s->Cls();
    int pos = 0;
    for (const auto& img : symbole) {
      s->SetColor(1, 1, 1);
      s->SetScale(faktor, faktor);
      s->DrawImage(*img, static_cast<float>(pos + 20), 20.0f);
      pos = static_cast<int>(pos + img->Width() * faktor);
    }
    ergebnis = ZuschnittUmInhalt(*s, x + 40, kHoehe);
    if (haupt) haupt->SetClsColor(255, 255, 0);
    if (s != haupt) s->SetClsColor(255, 255, 0);
  }
  return ergebnis ? ergebnis : leer();
}

draw::PixmapPtr GezeigtesBild(gui::Gadget* panel) {
  auto it = Gezeigt().find(panel);
  return it == Gezeigt().end() ? nullptr : it->second;
}

int WaehleEintrag(gui::Gadget* list, const u16& text) {
  if (!list) return -1;
  const int n = list->ItemCount();
  if (n <= 0) {
    list->Disable();
    return -1;
  }
  // Filled again since it was found empty.
  if (!list->Enabled()) list->Enable();
  for (int i = 0; i < n; ++i)
    if (list->ItemText(i) == text) {
      list->SelectItem(i);
      return i;
    }
  return -1;
}
