#include "mainunit.h"

#include "calcunit.h"

TMainForm* MainForm = nullptr;

const TPublishedTable& TMainForm::Published() const {
  using F = TMainForm;
  static const TPublishedTable table{
      {
          PublishedField("gbA", &F::gbA),
          PublishedField("lblInfoA", &F::lblInfoA),
          PublishedField("lblAR", &F::lblAR),
          PublishedField("edtAR", &F::edtAR),
          PublishedField("lblAROhm", &F::lblAROhm),
          PublishedField("lblAX", &F::lblAX),
          PublishedField("edtAX", &F::edtAX),
          PublishedField("lblAXOhm", &F::lblAXOhm),
          PublishedField("lblAZ", &F::lblAZ),
          PublishedField("edtAZ", &F::edtAZ),
          PublishedField("lblAZOhm", &F::lblAZOhm),
          PublishedField("gbB", &F::gbB),
          PublishedField("lblInfoB", &F::lblInfoB),
          PublishedField("lblBAapen", &F::lblBAapen),
          PublishedField("lblBR1", &F::lblBR1),
          PublishedField("edtBR1", &F::edtBR1),
          PublishedField("lblBR1Ohm", &F::lblBR1Ohm),
          PublishedField("lblBX1", &F::lblBX1),
          PublishedField("edtBX1", &F::edtBX1),
          PublishedField("lblBX1Ohm", &F::lblBX1Ohm),
          PublishedField("lblBKort", &F::lblBKort),
          PublishedField("lblBR2", &F::lblBR2),
          PublishedField("edtBR2", &F::edtBR2),
          PublishedField("lblBR2Ohm", &F::lblBR2Ohm),
          PublishedField("lblBX2", &F::lblBX2),
          PublishedField("edtBX2", &F::edtBX2),
          PublishedField("lblBX2Ohm", &F::lblBX2Ohm),
          PublishedField("lblBZ", &F::lblBZ),
          PublishedField("edtBZ", &F::edtBZ),
          PublishedField("lblBZOhm", &F::lblBZOhm),
      },
      {
          PublishedMethod("FormCreate", &F::FormCreate),
          PublishedMethod("FeltEndret", &F::FeltEndret),
      },
  };
  return table;
}

void TMainForm::FormCreate(TObject*) {
  static const std::string kOhm = "\u03A9";
  SetCaption("Dolvane for koaksialkabel 0.1.1");
  gbA->SetCaption("Metode A \u2013 kvartb\u00F8lgeresonans");
  lblInfoA->SetCaption(
      "Kabelen er \u00E5pen i enden. En \u00E5pen kabel veksler mellom kapasitiv og induktiv reaktans. "
      "Finn f\u00F8rst kvartb\u00F8lge-resonansfrekvensen; der har impedansen et lokalt minimum som ikke er "
      "Z\u2080. M\u00E5l s\u00E5 R og X ved halvparten av den frekvensen, ikke ved selve resonansen. "
      "Da er kabelen 1/8 b\u00F8lgelengde lang, impedansen er nesten rent reaktiv, og |Z| er sv\u00E6rt "
      "n\u00E6r Z\u2080.\r\nZ\u2080 \u2248 \u221A(R\u00B2 + X\u00B2)");
  lblAR->SetCaption("R");
  lblAROhm->SetCaption(kOhm);
  lblAX->SetCaption("X");
  lblAXOhm->SetCaption(kOhm);
  lblAZ->SetCaption("Z\u2080 \u2248");
  lblAZOhm->SetCaption(kOhm);
  gbB->SetCaption("Metode B \u2013 \u00E5pen og kortsluttet ende");
  lblInfoB->SetCaption(
      "M\u00E5l samme kabel ved samme frekvens, f\u00F8rst \u00E5pen og s\u00E5 kortsluttet i enden. "
      "Virker ved enhver frekvens: Z\u00E5pen \u00B7 Zkort = Z\u2080\u00B2 er en eksakt identitet, fordi "
      "coth(\u03B3L) \u00B7 tanh(\u03B3L) = 1. Siden |A \u00B7 B| = |A| \u00B7 |B| holder det \u00E5 regne "
      "med absoluttverdier.\r\n|Z\u2080| = \u221A(|Z\u00E5pen| \u00B7 |Zkort|)");
  lblBAapen->SetCaption("\u00C5pen kabel");
  lblBR1->SetCaption("R\u2081");
  lblBR1Ohm->SetCaption(kOhm);
  lblBX1->SetCaption("X\u2081");
  lblBX1Ohm->SetCaption(kOhm);
  lblBKort->SetCaption("Kortsluttet kabel");
  lblBR2->SetCaption("R\u2082");
  lblBR2Ohm->SetCaption(kOhm);
  lblBX2->SetCaption("X\u2082");
  lblBX2Ohm->SetCaption(kOhm);
  lblBZ->SetCaption("|Z\u2080| =");
  lblBZOhm->SetCaption(kOhm);
}

// Both methods on every change, whichever field changed; a result equal to
// the one shown leaves its field untouched (equal writes do nothing).
void TMainForm::FeltEndret(TObject*) {
  edtAZ->SetText(calcunit::QuarterWaveText(edtAR->Text(), edtAX->Text()));
  edtBZ->SetText(calcunit::OpenShortText(edtBR1->Text(), edtBX1->Text(), edtBR2->Text(), edtBX2->Text()));
}
