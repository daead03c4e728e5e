#include "sim/Instructions.h"

#include <array>

namespace otpor {

namespace {

std::string Button(std::string_view name)
{
    return "<b><i>„" + std::string(name) + "“</i></b>";
}

} // namespace

std::string InstructionsHtml(std::string_view paragraphStart)
{
    const std::array<std::string, 7> paragraphs{
        "Program je namenjen za modeliranje otpora rezanja pri spoljašnjem uzdužnom struganju.",
        "Potrebno je uneti u odgovarajućim prozorima interfejsa podatke o uslovima i režimima procesa "
        "obrade, "
        "izabrati materijal obratka i alata i kliknite ekranski taster " +
            Button("Proces") + ".",
        "U grafičkom prozoru izvodi se animacija procesa spoljašnjeg uzdužnog struganja sa rezultujućim "
        "otporom "
        "rezanja (F) i odgovarajućim komponentama: glavni otpor rezanja (F1), otpor prodiranja (F2) i otpor "
        "pomoćnog kretanja (F3). Istovremeno se na ekranu oscilografa pojavljuju oscilogrami komponenti "
        "otpora "
        "rezanja u odgovarajućoj razmeri. Razmera prikaza oscilograma može se menjati na vertikalnoj osi "
        "pomoću ekranskog tastera " +
            Button("Maksimalna sila na oscilogramu-F max , N") + ".",
        "U toku modeliranja mogu se menjati uslovi i elementi režima rezanja i geometrija reznog alata – "
        "strugarskog noža.",
        "Za zaustavljanje procesa modeliranja aktivirati ekranski taster " + Button("Pauza") +
            ", a za nastavak procesa – taster " + Button("Proces") + ".",
        "Aktiviranjem ekranskog tastera " + Button("Polazno stanje") +
            " prevodi se strugarski nož u početnu poziciju.",
        "Svaki segment oscilograma može se povećati nekoliko puta na sledeći način: dovesti taster miša u "
        "gornji "
        "levi ugao oscilograma, pritisnite levi taster miša i obeležite segmet za uvećanje pomeranjem miša "
        "sa "
        "leva na desno, sa vrha ka dnu. Otpustite taster. Povećenje se može izvesti više puta. Za vraćanje "
        "na "
        "početnu razmeru, manipulaciju mišem realizovati obrnutim redosledom: pritisnite levi taster miša i "
        "pomeraje ga u levo ka vrhu. Otpustiti taster.",
    };
    std::string html;
    for (const std::string& p : paragraphs)
        html += std::string(paragraphStart) + p + "</p>";
    return html;
}

} // namespace otpor
