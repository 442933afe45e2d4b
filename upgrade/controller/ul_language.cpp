#include "upgrade/controller/ul_language.h"

#include <algorithm>
#include <array>
#include <atomic>

namespace {

struct TPrimaryLanguage {
  TulUplinerLanguage Language;
  uint16_t Primary;
};
// In the order of the enumeration; Portuguese and Chinese go by their sublanguage instead.
constexpr std::array<TPrimaryLanguage, 25> kPrimaryLanguages{{
    {wlEnglish, 0x09}, {wlRussian, 0x19},   {wlGerman, 0x07},    {wlFrench, 0x0C},
    {wlSpanish, 0x0A}, {wlItalian, 0x10},   {wlDutch, 0x13},     {wlDanish, 0x06},
    {wlSwedish, 0x1D}, {wlFinnish, 0x0B},   {wlEstonian, 0x25},  {wlUkrainian, 0x22},
    {wlPolish, 0x15},  {wlCzech, 0x05},     {wlHungarian, 0x0E}, {wlRomanian, 0x18},
    {wlCatalan, 0x03}, {wlBasque, 0x2D},    {wlAfrikaans, 0x36}, {wlIndonesian, 0x21},
    {wlMalay, 0x3E},   {wlIcelandic, 0x0F}, {wlTurkish, 0x1F},   {wlNorwegian, 0x14},
    {wlSlovak, 0x1B},
}};

struct TMessages {
  TulUplinerLanguage Language;
  std::wstring_view NoUpdateAvailable;  // rows 24, 25 and 30
  std::wstring_view NoInfoFile;
  std::wstring_view ConnLost;
};
// Norwegian and Slovak have no rows.
constexpr std::array<TMessages, 27> kMessages{{
    {wlEnglish,
     L"Newer version not found. You actually are\nusing most recent version of this program.",
     L"File which contains upgrade information was not found on developer's site.",
     L"Connection with remote server lost.\n\nPlease restore connection and try to\nupgrade "
     L"this software again later."},
    {wlRussian, L"Новая версия не найдена. Вы используете\nпоследнюю версию этой программы.",
     L"Файл с информацией об обновлении не найден на сайте разработчика.",
     L"Связь с сервером потеряна.\n\nВосстановите соединение и попробуйте\nобновить программу "
     L"позже."},
    {wlGerman,
     L"Keine neuere Version gefunden. Sie verwenden\nbereits die neueste Version dieses "
     L"Programms.",
     L"Die Datei mit den Aktualisierungsinformationen wurde auf der Seite des Herstellers nicht "
     L"gefunden.",
     L"Die Verbindung zum Server wurde unterbrochen.\n\nBitte stellen Sie die Verbindung wieder "
     L"her\nund versuchen Sie es später erneut."},
    {wlFrench,
     L"Aucune nouvelle version trouvée. Vous utilisez\ndéjà la version la plus récente de ce "
     L"programme.",
     L"Le fichier d'informations de mise à jour est introuvable sur le site du développeur.",
     L"La connexion au serveur a été perdue.\n\nVeuillez rétablir la connexion et\nréessayer la "
     L"mise à jour plus tard."},
    {wlSpanish,
     L"No se encontró una versión más reciente. Ya está\nusando la última versión de este "
     L"programa.",
     L"No se encontró en el sitio del desarrollador el archivo con la información de "
     L"actualización.",
     L"Se perdió la conexión con el servidor.\n\nRestablezca la conexión e intente\nactualizar "
     L"más tarde."},
    {wlItalian,
     L"Nessuna versione più recente trovata. State già\nusando l'ultima versione di questo "
     L"programma.",
     L"Il file con le informazioni di aggiornamento non è stato trovato sul sito dello "
     L"sviluppatore.",
     L"Connessione con il server persa.\n\nRipristinare la connessione e "
     L"riprovare\nl'aggiornamento "
     L"più tardi."},
    {wlPortuguese,
     L"Não foi encontrada uma versão mais recente. Já está\na utilizar a versão mais recente "
     L"deste programa.",
     L"O ficheiro com a informação de actualização não foi encontrado no sítio do "
     L"programador.",
     L"A ligação ao servidor perdeu-se.\n\nRestabeleça a ligação e tente\nactualizar mais "
     L"tarde."},
    {wlPortugueseBrazilian,
     L"Nenhuma versão mais nova foi encontrada. Você já\nestá usando a versão mais recente "
     L"deste programa.",
     L"O arquivo com as informações de atualização não foi encontrado no site do "
     L"desenvolvedor.",
     L"A conexão com o servidor foi perdida.\n\nRestabeleça a conexão e tente\natualizar mais "
     L"tarde."},
    {wlDutch,
     L"Geen nieuwere versie gevonden. U gebruikt al\nde nieuwste versie van dit programma.",
     L"Het bestand met de update-informatie is niet gevonden op de site van de ontwikkelaar.",
     L"De verbinding met de server is verbroken.\n\nHerstel de verbinding en probeer\nhet later "
     L"opnieuw."},
    {wlDanish, L"Ingen nyere version fundet. Du bruger allerede\nden nyeste version af programmet.",
     L"Filen med opdateringsoplysninger blev ikke fundet på udviklerens websted.",
     L"Forbindelsen til serveren blev afbrudt.\n\nGenopret forbindelsen og prøv\nat opdatere "
     L"igen senere."},
    {wlSwedish,
     L"Ingen nyare version hittades. Du använder redan\nden senaste versionen av programmet.",
     L"Filen med uppdateringsinformation hittades inte på utvecklarens webbplats.",
     L"Anslutningen till servern bröts.\n\nÅterställ anslutningen och försök\nuppdatera igen "
     L"senare."},
    {wlFinnish, L"Uudempaa versiota ei löytynyt. Käytät jo\ntämän ohjelman uusinta versiota.",
     L"Päivitystiedot sisältävää tiedostoa ei löytynyt kehittäjän sivustolta.",
     L"Yhteys palvelimeen katkesi.\n\nPalauta yhteys ja yritä\npäivittää myöhemmin uudelleen."},
    {wlEstonian, L"Uuemat versiooni ei leitud. Kasutate juba\nselle programmi uusimat versiooni.",
     L"Uuendusteabega faili ei leitud arendaja saidilt.",
     L"Ühendus serveriga katkes.\n\nTaastage ühendus ja proovige\nhiljem uuesti uuendada."},
    {wlUkrainian, L"Нової версії не знайдено. Ви використовуєте\nостанню версію цієї програми.",
     L"Файл з інформацією про оновлення не знайдено на сайті розробника.",
     L"З'єднання з сервером втрачено.\n\nВідновіть з'єднання і спробуйте\nоновити програму "
     L"пізніше."},
    {wlPolish, L"Nie znaleziono nowszej wersji. Używasz\nnajnowszej wersji tego programu.",
     L"Na stronie producenta nie znaleziono pliku z informacjami o aktualizacji.",
     L"Połączenie z serwerem zostało przerwane.\n\nPrzywróć połączenie i spróbuj\nzaktualizować "
     L"program później."},
    {wlCzech, L"Novější verze nebyla nalezena. Používáte\nnejnovější verzi tohoto programu.",
     L"Soubor s informacemi o aktualizaci nebyl na stránkách vývojáře nalezen.",
     L"Spojení se serverem bylo přerušeno.\n\nObnovte spojení a zkuste\nprogram aktualizovat "
     L"později."},
    {wlHungarian, L"Nem található újabb verzió. Ön már\na program legújabb verzióját használja.",
     L"A frissítési információkat tartalmazó fájl nem található a fejlesztő webhelyén.",
     L"A kapcsolat a kiszolgálóval megszakadt.\n\nÁllítsa helyre a kapcsolatot, és\npróbálja "
     L"később újra a frissítést."},
    {wlRomanian,
     L"Nu a fost găsită o versiune mai nouă. Folosiți deja\ncea mai recentă versiune a "
     L"programului.",
     L"Fișierul cu informațiile de actualizare nu a fost găsit pe site-ul dezvoltatorului.",
     L"Conexiunea cu serverul s-a întrerupt.\n\nRestabiliți conexiunea și încercați\nactualizarea "
     L"mai târziu."},
    {wlCatalan,
     L"No s'ha trobat cap versió més nova. Ja feu servir\nla darrera versió d'aquest programa.",
     L"No s'ha trobat el fitxer amb la informació d'actualització al lloc del desenvolupador.",
     L"S'ha perdut la connexió amb el servidor.\n\nRestabliu la connexió i torneu a\nprovar "
     L"l'actualització més tard."},
    {wlBasque,
     L"Ez da bertsio berriagorik aurkitu. Programa honen\nazken bertsioa erabiltzen ari zara.",
     L"Eguneratze-informazioa duen fitxategia ez da aurkitu garatzailearen gunean.",
     L"Zerbitzariarekiko konexioa galdu da.\n\nBerrezarri konexioa eta saiatu\nberriro "
     L"eguneratzen geroago."},
    {wlAfrikaans,
     L"Geen nuwer weergawe gevind nie. U gebruik reeds\ndie nuutste weergawe van hierdie "
     L"program.",
     L"Die lêer met die opgraderingsinligting is nie op die ontwikkelaar se werf gevind nie.",
     L"Die verbinding met die bediener is verbreek.\n\nHerstel asseblief die verbinding en\n"
     L"probeer later weer opgradeer."},
    {wlIndonesian,
     L"Versi yang lebih baru tidak ditemukan. Anda sudah\nmemakai versi terbaru program ini.",
     L"Berkas informasi pembaruan tidak ditemukan di situs pengembang.",
     L"Sambungan ke server terputus.\n\nPulihkan sambungan dan coba\nperbarui lagi nanti."},
    {wlMalay,
     L"Versi yang lebih baharu tidak dijumpai. Anda sudah\nmenggunakan versi terkini program "
     L"ini.",
     L"Fail maklumat naik taraf tidak dijumpai di laman pembangun.",
     L"Sambungan dengan pelayan terputus.\n\nPulihkan sambungan dan cuba\nnaik taraf semula "
     L"kemudian."},
    {wlIcelandic, L"Engin nýrri útgáfa fannst. Þú notar nú þegar\nnýjustu útgáfu þessa forrits.",
     L"Skráin með uppfærsluupplýsingum fannst ekki á vef framleiðandans.",
     L"Sambandið við þjóninn rofnaði.\n\nKomdu sambandinu á aftur og reyndu\nað uppfæra síðar."},
    {wlTurkish, L"Daha yeni bir sürüm bulunamadı. Bu programın\nen son sürümünü kullanıyorsunuz.",
     L"Güncelleme bilgilerini içeren dosya geliştiricinin sitesinde bulunamadı.",
     L"Sunucuyla bağlantı kesildi.\n\nLütfen bağlantıyı yeniden kurun ve\ndaha sonra tekrar "
     L"güncellemeyi deneyin."},
    {wlChineseSimplified, L"没有发现新的版本，您目前已经是最新版本。",
     L"在服务器中无法找到升级的相关信息。",
     L"与远端服务器的连接中断，\n\n请重新连接后再进行升级操作。"},
    {wlChineseTraditional, L"沒有發現新的版本.您目前已經是最新的版本.",
     L"在伺服器中無法找到升級的相關資訊.",
     L"與遠端伺服器的連線中斷.\n\n請重新連線後再進行升級作業."},
}};

std::atomic<int> gMessageBase{kStringTableFirst};

}  // namespace

TulUplinerLanguage LanguageOfLangId(uint16_t langId) {
  const uint16_t primary = langId & 0x3FF;
  const uint16_t sublanguage = langId >> 10;
  if (primary == 0x16) return sublanguage == 1 ? wlPortugueseBrazilian : wlPortuguese;
  if (primary == 0x04) return sublanguage == 2 ? wlChineseSimplified : wlChineseTraditional;
  const auto found =
      std::find_if(kPrimaryLanguages.begin(), kPrimaryLanguages.end(),
                   [primary](const auto& entry) { return entry.Primary == primary; });
  return found == kPrimaryLanguages.end() ? wlEnglish : found->Language;
}

int MessageBaseOf(TulUplinerLanguage language) {
  return kStringTableFirst + (std::max<int>(language, wlEnglish) - 1) * kStringTableBlock;
}

std::wstring_view StringTableText(int id) {
  if (id < kStringTableFirst) return {};
  const int language = (id - kStringTableFirst) / kStringTableBlock + 1;
  const int row = (id - kStringTableFirst) % kStringTableBlock;
  const auto found = std::find_if(kMessages.begin(), kMessages.end(),
                                  [language](const auto& m) { return m.Language == language; });
  if (found == kMessages.end()) return {};
  switch (row) {
    case kRowNoUpdateAvailable:
      return found->NoUpdateAvailable;
    case kRowNoInfoFile:
      return found->NoInfoFile;
    case kRowConnLost:
      return found->ConnLost;
    default:
      return {};
  }
}

int MessageBase() { return gMessageBase; }
void SetMessageBase(int base) { gMessageBase = base; }

std::wstring_view UplinerMessage(int row) {
  return row < 0 || row >= kStringTableRows ? std::wstring_view{}
                                            : StringTableText(MessageBase() + row);
}
