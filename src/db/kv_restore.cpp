#include "db/kv_restore.h"

#include "db/kv_database.h"
#include "db/lokalizacja_bazy.h"
#include "db/po_odtworzeniu.h"
#include "db/serwis.h"
#include "files/sciezki.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

const char* const kRozszerzenieKopii = ".gbk";

// gbak's last line of a restore that went to its end, and the one Firebird 3
// may write after it. The server's lines carry a "gbak:" prefix and trailing
// blanks; the texts are the same in every server language, as the server has
// only English messages.
const char* const kLiniaZakonczenia = "finishing, closing, and going home";
const char* const kLiniaFlag = "ONLINE and FORCED WRITES";

std::string BezBialychNaKoncach(const std::string& tekst) {
    const char* biale = " \t\r\n";
    const size_t a = tekst.find_first_not_of(biale);
    if (a == std::string::npos)
        return std::string();
    return tekst.substr(a, tekst.find_last_not_of(biale) - a + 1);
}

bool KonczySieNa(const std::string& tekst, const std::string& koncowka) {
    return tekst.size() >= koncowka.size() && tekst.compare(tekst.size() - koncowka.size(), koncowka.size(), koncowka) == 0;
}

// The server sends its lines as bytes: UTF-8 on a Linux server, Windows-1250
// from an old Windows one; the latter is converted so nothing reaches the
// window as broken text.
std::string LiniaJakoUtf8(const std::string& bajty) {
    size_t pozycja = 0;
    while (pozycja < bajty.size()) {
        const size_t przed = pozycja;
        const char32_t znak = NastepnyZnakUtf8(bajty, pozycja);
        if (znak == 0xFFFD && bajty.compare(przed, 3, "\xEF\xBF\xBD") != 0)
            return Cp1250NaUtf8(bajty);
    }
    return bajty;
}

std::string ListaPlikow(const std::vector<std::string>& pliki) {
    std::string lista;
    for (const auto& plik : pliki)
        lista += (lista.empty() ? "\"" : ", \"") + plik + "\"";
    return lista;
}

}  // namespace

std::string SufiksPliku(int32_t i, int32_t n, const std::string& rozszerzenie) {
    if (i == 1)
        return rozszerzenie;
    if (i > 1 && i < n)
        return rozszerzenie + std::to_string(i - 1);
    if (i == n && n > 1)
        return rozszerzenie + "K";
    return std::string();
}

int32_t SlowoOpcji(const TkvRestore& odtworzenie) {
    int32_t slowo = odtworzenie.Zastap ? isc_spb_res_replace : isc_spb_res_create;
    if (!odtworzenie.ZachowajCienie)
        slowo |= isc_spb_res_no_shadow;
    if (odtworzenie.WylaczIndeksy)
        slowo |= isc_spb_res_deactivate_idx;
    return slowo;
}

std::vector<std::string> PlikiKopii(const TkvRestore& odtworzenie) {
    std::vector<std::string> pliki;
    for (int32_t i = 1; i <= odtworzenie.IloscPlikowKopii; ++i) {
        std::string plik = PolaczSciezke(odtworzenie.KatalogKopii, odtworzenie.NazwaKopii) +
                           SufiksPliku(i, odtworzenie.IloscPlikowKopii, kRozszerzenieKopii);
        if (!plik.empty())
            pliki.push_back(std::move(plik));
    }
    return pliki;
}

std::vector<std::string> PlikiBazy(const TkvRestore& odtworzenie, const std::string& rozszerzenieBazy) {
    std::vector<std::string> pliki;
    for (int32_t i = 1; i <= odtworzenie.IloscPlikowBazy; ++i) {
        std::string plik = PolaczSciezke(odtworzenie.KatalogBazy, odtworzenie.NazwaBazy) +
                           SufiksPliku(i, odtworzenie.IloscPlikowBazy, rozszerzenieBazy);
        if (!plik.empty())
            pliki.push_back(std::move(plik));
    }
    return pliki;
}

std::string ZadanieOdtworzenia(const TkvRestore& odtworzenie, const std::string& rozszerzenieBazy) {
    TBlokSerwisu zadanie;
    zadanie.Bajt(isc_action_svc_restore);
    zadanie.Liczba(isc_spb_options, SlowoOpcji(odtworzenie));
    if (odtworzenie.Szczegolowo)
        zadanie.Flaga(isc_spb_verbose);
    if (odtworzenie.RozmiarStrony > 0)
        zadanie.Liczba(isc_spb_res_page_size, odtworzenie.RozmiarStrony);
    for (const auto& plik : PlikiKopii(odtworzenie))
        zadanie.Tekst(isc_spb_bkp_file, plik);
    for (const auto& plik : PlikiBazy(odtworzenie, rozszerzenieBazy)) {
        zadanie.Tekst(isc_spb_dbname, plik);
        zadanie.Liczba(isc_spb_res_length, odtworzenie.StronyPlikuBazy);
    }
    return zadanie.Bajty();
}

void TKoniecOdtwarzania::Linia(const std::string& linia) {
    const std::string tekst = BezBialychNaKoncach(linia);
    if (KonczySieNa(tekst, kLiniaZakonczenia))
        FZakonczone = true;
    else if (!(FZakonczone && tekst.find(kLiniaFlag) != std::string::npos))
        FZakonczone = false;
}

void TkvRestore::Wykonaj() {
    TLokalizacjaBazyFile ustawienia;
    ustawienia.Czytaj();
    if (KatalogBazy.empty())
        KatalogBazy = ustawienia.KatalogBazy;

    TKoniecOdtwarzania koniec;
    {
        TPolaczenieSerwisu serwis(NazwaUslugiZUstawien(ustawienia));
        serwis.Uruchom(ZadanieOdtworzenia(*this, ustawienia.RozszerzenieBazy));
        const std::string pytanie(1, static_cast<char>(isc_info_svc_line));
        for (;;) {
            const TLiniaSerwisu linia = CzytajLinieSerwisu(serwis.Zapytaj(pytanie));
            if (linia.Koniec)
                break;
            koniec.Linia(linia.Tekst);
            if (OnLinia)
                OnLinia(*this, LiniaJakoUtf8(linia.Tekst));
        }
        serwis.Odlacz();
    }
    if (Szczegolowo && !koniec.Zakonczone())
        throw EBlad("Nie udało się odtworzyć bazy danych z pliku kopii " + ListaPlikow(PlikiKopii(*this)) +
                    ": serwer przerwał odtwarzanie przed jego końcem, nie zgłaszając błędu. "
                    "Plik kopii jest prawdopodobnie uszkodzony lub niepełny.");

    TkvDatabase baza;
    baza.Zdalna = ustawienia.Zdalna;
    baza.NazwaSerwera = ustawienia.NazwaSerwera;
    baza.Protokol = ustawienia.Protokol;
    baza.KatalogBazy = KatalogBazy;
    baza.PlikBazy = NazwaBazy + ustawienia.RozszerzenieBazy;
    baza.UstawPolaczenie();
    baza.Connected(true);
    AktualizujPlatforme(baza);
    if (UsunBlokady)
        ramvel::UsunBlokady(baza);
    if (UstawForcedWrites) {
        try {
            ramvel::UstawForcedWrites(baza, true);
        } catch (const EPrzerwanie&) {
            throw;
        } catch (const std::exception& blad) {
            KomunikatBlad(std::string("Nie powiodła sie próba ustawiania parametru \"ForcedWrites\". Błąd: ") +
                          blad.what());
        }
    }
    baza.Connected(false);
}

void OdtworzKopieBazy(const std::string& katalog, const std::string& nazwa, TkvRestore::TZdarzenieLinii onLinia) {
    TkvRestore odtworzenie;
    odtworzenie.NazwaKopii = nazwa;
    odtworzenie.NazwaBazy = nazwa;
    odtworzenie.KatalogKopii = katalog;
    odtworzenie.KatalogBazy = katalog;
    odtworzenie.IloscPlikowKopii = 1;
    odtworzenie.Zastap = true;
    odtworzenie.ZachowajCienie = false;
    odtworzenie.UstawForcedWrites = false;
    odtworzenie.Szczegolowo = true;
    odtworzenie.OnLinia = std::move(onLinia);
    odtworzenie.Wykonaj();
}

}  // namespace ramvel
