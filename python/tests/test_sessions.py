"""Sessions are independent: in turns in one thread, and on threads at once."""
import threading

from conftest import draw_json, golden_gestures, quentarb, replay, write_gesture

GOLDEN = dict(golden_gestures().gestures())
# Two gestures that set different options in different modes: a module shared between the
# sessions would carry one's tool and options into the other.
A, B = GOLDEN["08-spiral-styled"]["events"], GOLDEN["05-windmill-options"]["events"]


def alone(events, seed):
    return replay(quentarb.Session(seed=seed), events).document().json()


def test_two_sessions_used_in_turns_give_what_each_gives_alone(tmp_path):
    a, b = quentarb.Session(seed=1), quentarb.Session(seed=2)
    for ea, eb in zip(A, B):
        replay(a, [ea])
        replay(b, [eb])
    replay(a, A[len(B):])
    replay(b, B[len(A):])
    assert a.document().json().encode() == draw_json("--gesture", write_gesture(tmp_path, A, "a.json"), "--seed", 1)
    assert b.document().json().encode() == draw_json("--gesture", write_gesture(tmp_path, B, "b.json"), "--seed", 2)


def test_threads_draw_at_once_one_session_each():
    jobs = [(A, 1), (B, 2), (A, 3), (B, 4)]
    expected = [alone(events, seed) for events, seed in jobs]
    start = threading.Barrier(len(jobs))
    got = [None] * len(jobs)

    def work(i, events, seed):
        session = quentarb.Session(seed=seed)
        start.wait()
        got[i] = replay(session, events).document().json()

    threads = [threading.Thread(target=work, args=(i, *job)) for i, job in enumerate(jobs)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert got == expected


def test_draw_calls_on_threads_at_once():
    seeds = range(1, 9)
    expected = [quentarb.draw(tool="rim-random", seed=s).json() for s in seeds]
    got = {}
    threads = [threading.Thread(target=lambda s=s: got.__setitem__(s, quentarb.draw(tool="rim-random", seed=s).json()))
               for s in seeds]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert [got[s] for s in seeds] == expected


def test_one_session_shared_by_threads_serves_one_call_at_a_time():
    session = quentarb.Session().tool("spiral").down(100, 100)
    threads = [threading.Thread(target=lambda i=i: [session.drag(100 + i + k, 120 + k) for k in range(50)])
               for i in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    session.up()
    assert len(session.document()) > 0
    assert not session.document().failed


def test_a_document_is_the_moment_it_was_taken():
    session = quentarb.Session(seed=9).tool("scaledown").down(100, 100)
    frames = []
    for k in range(1, 7):
        session.drag(100 + 30 * k, 100 + 20 * k)
        frames.append(session.document())
    session.up()
    texts = [f.json() for f in frames]
    assert len(set(texts)) == len(texts), "each event drew something else"
    session.undo()
    assert [f.json() for f in frames] == texts, "later events and the undo leave earlier documents alone"
    assert len(session.document()) == 0 and len(frames[-1]) > 0
