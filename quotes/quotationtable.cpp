#include "quotes/quotationtable.h"

// Greek is SPIonic text: marks follow a small letter and precede a capital, narrow marks on iota
// and wide marks on the other letters, "v" for final sigma. Verse lines are separated by CR LF;
// leading blanks indent a verse that begins in mid-line.
const QuotationRow QuotationTable[QuotationCount] = {
    // 1
    {"G",
     "'Agewme&trhtov mhdei\\v ei0si/tw.",
     "Let no one ignorant of geometry enter.",
     "Inscription said to have been placed on Plato's door."},
    // 2
    {"G",
     "Kou&fwv fe&rein xrh_ qnhto_n o!nta sumfora&v.",
     "One who is mortal must bear misfortunes lightly.",
     "Euripides, Medea 1018"},
    // 3
    {"G",
     "'Aeto_v ou0 qhreu/sei ta_v mui/av.",
     "An eagle will not catch flies.",
     "Proverbial"},
    // 4
    {"G",
     "Gnw~qi seauto&n.",
     "Know yourself.",
     "Attributed to Solon and others. It was inscribed in gold letters over the portico of the temple at Delphi."},
    // 5
    {"G",
     "Ou) ga_r dokei=n a!ristov a)ll' ei]nai qe&lei," "\r\n"
         "baqei=an a!loka dia_ freno_v karpou&menov," "\r\n"
         "e)c h{v ta_ kedna_ blasta&nei bouleu&mata.",
     "For he wishes not to seem the best but to be the best, reaping the deep furrow of his mind, from which good counsels grow.",
     "Aeschylus, Septem 596"},
    // 6
    {"L",
     "A fronte praecipitium, a tergo lupus.",
     "In front a precipice, behind a wolf.",
     "Proverbial"},
    // 7
    {"L",
     "Aeneadum genetrix, hominum divumque voluptas," "\r\n"
         "alma Venus ...",
     "Mother of the people of Aeneas, delight of men and gods, life-giving Venus ...",
     "Lucretius 1, 1"},
    // 8
    {"L",
     "                                  dum loquimur, fugerit invida" "\r\n"
         "aetas: carpe diem, quam minimum credula postero.",
     "While we talk, envious time will have fled: pluck the day, and trust as little as you can in tomorrow.",
     "Horace, Odes 1, 11, 7"},
    // 9
    {"L",
     "\"Adulter, impudicus, sequester\" convicium est, non accusatio.",
     "\"Adulterer, lecher, go-between\" is abuse, not an accusation.",
     "Cicero, Pro Caelio 30b"},
    // 10
    {"L",
     "Ex Africa semper aliquid novi.",
     "Always something new out of Africa.",
     "Pliny, N.H. 8, 6"},
    // 11
    {"G",
     "9H glw~ss' o)mw&mox', h( de_ frh_n a)nw&motov.",
     "My tongue has sworn, but my mind is unsworn.",
     "Euripides, Hippolytus 612"},
    // 12
    {"G",
     "]W Zeu~, ti/ dh_ xrusou~ me_n o$v ki/bdhlov h}|" "\r\n"
         "tekmh&ri' a)nqrw&poisin w!pasav safh~," "\r\n"
         "a)ndrw~n d' o#tw| xrh_ to_n kako_n dieide&nai" "\r\n"
         "ou)dei\\v xarakth_r e)mpe&fuke sw&mati;",
     "O Zeus, why have you given men clear signs by which to know counterfeit gold, yet set no stamp by nature on the body by which to tell the bad man?",
     "Euripides, Medea 516"},
    // 13
    {"L",
     "Purpureus veluti cum flos succisus aratro" "\r\n"
         "languescit moriens, lassove papavera collo" "\r\n"
         "demisere caput pluvia cum forte gravantur.",
     "As when a purple flower, cut by the plough, droops and dies, or poppies bow their heads on weary necks when weighed down by a sudden shower.",
     "Vergil, Aeneid 9, 435"},
    // 14
    {"G",
     "Oi3h per fu&llwn geneh_ toi/h de_ kai\\ a)ndrw~n.",
     "As the generations of leaves, so are those of men.",
     "Homer, Iliad 6, 146"},
    // 15
    {"G",
     "Ai0e_n a)risteu&ein kai\\ u(pei/roxon e!mmenai a!llwn.",
     "Always to be the best and to excel above the rest.",
     "Homer, Iliad 6, 208"},
    // 16
    {"L",
     "               forsan et haec olim meminisse iuvabit.",
     "Perhaps one day it will be a pleasure to remember even these things.",
     "Virgil, Aeneid 1, 203"},
    // 17
    {"L",
     "Infandum, regina, iubes renovare dolorem.",
     "Too deep for words, O queen, is the grief you bid me live again.",
     "Virgil, Aeneid 2, 3"},
    // 18
    {"L",
     "Suave, mari magno turbantibus aequora ventis," "\r\n"
         "e terra magnum alterius spectare laborem;" "\r\n"
         "non quia vexari quemquamst iucunda voluptas," "\r\n"
         "sed quibus ipse malis careas quia cernere suave est.",
     "It is sweet, when on the great sea the winds are stirring up the waters, to watch from the land another's great struggle; not that anyone's distress is a joy, but because it is sweet to see what troubles you yourself are free from.",
     "Lucretius, 2, 1"},
    // 19
    {"G",
     "1Erov dhu}te& m' o) lusime&lhv do&nei," "\r\n"
         "gluku&pikron a)ma&xanon o!rpeton.",
     "Love, the loosener of limbs, shakes me once again, a bittersweet creature against which there is no defence.",
     "Sappho"},
    // 20
    {"L",
     "Quid fles, Asterie, quem tibi candidi" "\r\n"
         "primo restituent vere Favonii" "\r\n"
         "Thyna merce beatum," "\r\n"
         "constantis iuvenem fide" "\r\n"
         "Gygen?",
     "Why do you weep, Asterie, for Gyges, a young man of constant faith, whom the bright west winds will give back to you at the first of spring, rich with Bithynian wares?",
     "Horace, Odes 3, 7, 1"},
    // 21
    {"G",
     "Polla_ ta_ deina_ kou)de_n a)n-" "\r\n"
         "qrw&pou deino&teron pe&lei.",
     "Many things are wondrous and terrible, and nothing is more wondrous and terrible than man.",
     "Sophocles, Antigone 332"},
    // 22
    {"L",
     "Homo sum: humani nil a me alienum puto.",
     "I am a man: I count nothing human foreign to me.",
     "Terence, Heauton Timorumenos, I.i.25"},
    // 23
    {"G",
     "Ghra&skw d' ai0ei\\ polla_ didasko&menov.",
     "I grow old always learning many things.",
     "Poetae Lyrici Graeci, Solon, 18"},
    // 24
    {"L",
     "Arma virumque cano, Troiae qui primus ab oris" "\r\n"
         "Italiam, fato profugus, Laviniaque venit" "\r\n"
         "litora ...",
     "I sing of arms and of the man who, exiled by fate, first came from the shores of Troy to Italy and the Lavinian coast ...",
     "Virgil, Aeneid 1, 1"},
    // 25
    {"G",
     "3Hper megi/sth gi/gnetai swthri/a," "\r\n"
         "o#tan gunh_ pro_v a!ndra mh_ dixostath~|.",
     "This is the greatest safeguard there is, when a wife does not stand apart from her husband.",
     "Euripides, Medea 14"},
    // 26
    {"L",
     "Quis multa gracilis te puer in rosa" "\r\n"
         "perfusus liquidis urget odoribus" "\r\n"
         "grato, Pyrrha, sub antro?",
     "What slender youth, drenched in liquid perfumes, presses you among many a rose in some pleasant grotto, Pyrrha?",
     "Horace, Odes 1, 5, 1"},
    // 27
    {"G",
     "                               w{de ga_r kratei=" "\r\n"
         "gunaiko_v a)ndro&boulon e)lpi/zon ke&ar.",
     "For so commands the hopeful heart of a woman, man-minded in its counsels.",
     "Aeschylus, Agamemnon 10"},
    // 28
    {"L",
     "Defendi rem publicam adulescens, non deseram senex: contempsi Catilinae gladios, non pertimescam tuos.",
     "I defended the republic as a young man; I shall not desert it as an old one. I scorned the swords of Catiline; I shall not tremble at yours.",
     "Cicero, Philippic 2, 118"},
    // 29
    {"G",
     "9Espe&ra me_n ga_r h}n, h{ke d' a)gge&llwn tiv w(v tou_v pruta&neiv w(v 'Ela&teia katei/lhptai.",
     "It was evening, and a man came to the presiding councillors with the news that Elatea had been taken.",
     "Demosthenes, De Corona, 169"},
    // 30
    {"L",
     "Stabant orantes primi transmittere cursum" "\r\n"
         "tendebantque manus ripae ulterioris amore.",
     "They stood there, begging to be the first to make the crossing, and stretched out their hands in longing for the farther shore.",
     "Virgil, Aeneid 6, 313"},
    // 31
    {"L",
     "En Priamus. Sunt hic etiam sua praemia laudi," "\r\n"
         "sunt lacrimae rerum et mentem mortalia tangunt.",
     "Look, there is Priam! Here too honour has its reward; here there are tears for things, and mortal sorrows touch the heart.",
     "Virgil, Aeneid 1, 461"},
    // 32
    {"G",
     "                    nu~n de& moi, fi/lon ka&ra," "\r\n"
         "e!kbain' a)ph&nhv th~sde, mh_ xamai\\ tiqei\\v" "\r\n"
         "to_n so_n po&d', w}nac, 'Ili/ou porqh&tora.",
     "But now, dear heart, step down from this carriage, and do not set upon the ground, my lord, the foot that sacked Troy.",
     "Aeschylus, Agamemnon 905"},
    // 33
    {"L",
     "Soles occidere et redire possunt:" "\r\n"
         "nobis cum semel occidit brevis lux," "\r\n"
         "nox est perpetua una dormienda.",
     "Suns may set and rise again: for us, when once our brief light has set, there is one never-ending night to be slept.",
     "Catullus, 5, 4"},
    // 34
    {"G",
     "Ai9 de_ teai\\ zw&ousin a)hdo&nev, h{|sin o( pa&ntwn" "\r\n"
         "a(rpakth_v 'Ai5dhv ou)k e)pi\\ xei=ra balei=.",
     "But your nightingales live on, and Hades, who snatches all things away, will not lay his hand on them.",
     "Callimachus, Epigram 2, 6"},
    // 35
    {"L",
     "Sollemne est mihi, domine, omnia de quibus dubito ad te referre. Quis enim potest melius vel cunctationem meam regere vel ignorantiam instruere?",
     "It is my custom, my lord, to refer to you every matter on which I am in doubt. For who is better able to guide my hesitation or to instruct my ignorance?",
     "Pliny, 10, 96, 1"},
    // 36
    {"G",
     "'Aste&rav ei0saqrei=v, a)sth_r e)mo&v: ei1qe genoi/mhn" "\r\n"
         "ou)rano&v, w(v polloi=v o!mmasin ei0v se_ ble&pw.",
     "You gaze at the stars, my star. Would that I were the sky, so that I might look at you with many eyes.",
     "Plato, OBGV 445"},
    // 37
    {"L",
     "\"Desilite,\" inquit, \"milites, nisi vultis aquilam hostibus prodere: ego certe meum rei publicae atque imperatori officium praestitero.\"",
     "\"Jump down, soldiers,\" he said, \"unless you want to betray the eagle to the enemy: I at least shall have done my duty to the republic and to my general.\"",
     "Caesar, Gallic War, 4, 25"},
    // 38
    {"G",
     "Skope&ein de_ xrh_ panto_v xrh&matov th_n teleuth_n kh~| a)pobh&setai: polloi=si ga_r dh_ u(pode&cav o!lbon o( qeo_v prorri/zouv a)ne&treye.",
     "In everything one must look to the end and see how it will turn out; for to many the god has given a glimpse of happiness and then overthrown them root and branch.",
     "Herodotus, 1, 32, 9"},
    // 39
    {"L",
     "Iam iam non domus accipiet te laeta, neque uxor" "\r\n"
         "optima nec dulces occurrent oscula nati" "\r\n"
         "praeripere et tacita pectus dulcedine tangent.",
     "Now no more will your glad home welcome you, nor your loyal wife, nor will your sweet children run to win the first kiss and touch your heart with silent joy.",
     "Lucretius, 3, 894"},
    // 40
    {"G",
     "Filokalou~me&n te ga_r met' eu)telei/av kai\\ filosofou~men a!neu malaki/av.",
     "For we love beauty without extravagance, and we love wisdom without softness.",
     "Thucydides, 2, 40, 1"},
    // 41
    {"L",
     "Ibant obscuri sola sub nocte per umbram" "\r\n"
         "perque domos Ditis vacuas et inania regna.",
     "On they went, dim shapes in the lonely night, through the shadows, through the empty halls of Dis and his insubstantial kingdom.",
     "Virgil, Aeneid 6, 268"},
    // 42
    {"G",
     "4Wv ei0pw_n a)lo&xoio fi/lhv e)n xersi\\n e!qhke" "\r\n"
         "pai=d' e(o&n: h$ d' a!ra min khw&dei+ de&cato ko&lpw|" "\r\n"
         "dakruo&en gela&sasa.",
     "So saying, he placed his son in the arms of his dear wife, and she took him to her fragrant bosom, smiling through her tears.",
     "Homer, Iliad 6, 482"},
    // 43
    {"L",
     "Silent enim leges inter arma, nec se exspectari iubent, cum ei qui exspectare velit ante iniusta poena luenda sit quam iusta repetenda.",
     "For laws are silent in time of war, and they do not ask to be waited for, since he who chooses to wait must pay an unjust penalty before he can exact a just one.",
     "Cicero, Pro Milone 11"},
    // 44
    {"G",
     "Kth~ma& te e)v ai0ei\\ ma~llon h@ a)gw&nisma e)v to_ paraxrh~ma a)kou&ein cu&gkeitai.",
     "It has been composed as a possession for all time rather than as a showpiece to be heard for the moment.",
     "Thucydides, 1, 22, 4"},
    // 45
    {"L",
     "Iam seges est ubi Troia fuit, resecandaque falce" "\r\n"
         "luxuriat Phrygio sanguine pinguis humus.",
     "Now there is corn where Troy once stood, and the soil, fat with Phrygian blood, runs riot with a harvest ready for the sickle.",
     "Ovid, Heroides 1, 53"},
    // 46
    {"G",
     "Kai\\ fhmi\\ dra~sai kou)k a)parnou~mai to_ mh&.",
     "I say that I did it, and I do not deny it.",
     "Sophocles, Antigone 443"},
    // 47
    {"L",
     "Has tantas viri virtutes ingentia vitia aequabant: inhumana crudelitas, perfidia plus quam Punica, nihil veri, nihil sancti, nullus deum metus, nullum ius iurandum, nulla religio.",
     "These great virtues of the man were matched by enormous vices: inhuman cruelty, a treachery worse than Punic, no truth, nothing sacred, no fear of the gods, no regard for an oath, no scruple.",
     "Livy, 21, 4"},
    // 48
    {"G",
     "9O de_ a)nece&tastov bi/ov ou) biwto_v a)nqrw&pw|.",
     "The unexamined life is not worth living for a human being.",
     "Plato, Apology 38A"},
    // 49
    {"L",
     "Tantum religio potuit suadere malorum.",
     "So great are the evils that religion could prompt.",
     "Lucretius 1, 101"},
    // 50
    {"G",
     "]W ba&rbar' e)ceuro&ntev 3Ellhnev kaka&," "\r\n"
         "ti/ to&nde pai=da ktei/net' ou)de_n ai1tion;",
     "O Greeks, inventors of barbarian cruelties, why do you kill this child, who has done no wrong?",
     "Euripides, Trojan Women 764"},
};

const QuotationRow &quotationRow(int number)
{
    Q_ASSERT(number >= 1 && number <= QuotationCount);
    return QuotationTable[number - 1];
}
